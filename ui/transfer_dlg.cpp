// The main window's set-up, its tooltips, the system-menu entry, the icon while
// minimised, the Long Date? box, the button states and the exit handler.
#include "ui/transfer_dlg.h"

#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

#include "framework/dpi.h"
#include "framework/dpi_win32.h"
#include "framework/file_dialog.h"
#include "framework/paint_dc.h"
#include "photos/command_line.h"
#include "photos/file_dialog_result.h"
#include "photos/folder_photos.h"
#include "platform/code_page.h"
#include "transfer/save_run.h"
#include "ui/about_dlg.h"
#include "ui/command_line_photos.h"
#include "ui/resource.h"
#include "ui/selection_notices.h"

namespace {

constexpr char kDefaultDateText[] = "Date of foto";
constexpr char kTooManyPhotosText[] = "Too many fotos selected. Please select fewer fotos.";
constexpr int kTipShowMilliseconds = 4000;
constexpr int kTipMaxWidthPixels = 200;  // at 96 dpi; it grows with the display's scale
// Spare NULs after the open-file dialog's result buffer, in case the system writes one
// byte too many when a selection does not fit.
constexpr int kFileBufferSpare = 2;

}  // namespace

CTransferDlg::CTransferDlg(CWnd* parent) : CDialog(IDD_MAIN, parent) {
    // At the system's standard size until the window knows its monitor.
    m_hIcon =
        OwnedIcon(framework::LoadIconAtDpi(IDR_MAINFRAME, false, framework::DpiOfWindow(nullptr)));
    m_fileBufferSize = static_cast<int>(photos::kFileDialogResultSize);
    std::strcpy(m_dateText, kDefaultDateText);
    m_pSettings = new CFolderSettings();
    m_sourceFolder = m_pSettings->GetSource();
    m_destFolder = m_pSettings->GetDest();
}

CTransferDlg::~CTransferDlg() = default;

void CTransferDlg::DoDataExchange() {
    BindControl(IDC_LONG_DATE, m_longDateCheck);
    BindControl(IDOK, m_exitButton);
    BindControl(IDC_INFO, m_infoButton);
    BindControl(IDC_PROGRESS, m_progress);
    BindControl(IDC_SAVE_ON_PC, m_saveButton);
    BindControl(IDC_OPEN_CAMERA, m_openButton);
    BindControl(IDC_DATE, m_dateEdit);
    BindControl(IDC_TITLE, m_titleEdit);
}

BOOL CTransferDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    SetIcons(framework::DpiOfWindow(m_hWnd));
    SetInitialTexts();
    m_fileBuffer.reset(new char[m_fileBufferSize]);
    TakeCursors();
    AddToolTips();
    SetUpProgress();

    if (m_cmdLine[0] != '\0' && OpenWithCommandLinePhotos()) return FALSE;
    SetButtonState(ButtonState::ReadyToOpen);
    return TRUE;  // the system gives the focus to Open Camera, the first tab stop
}

// The information dialog is offered in the system menu too.
void CTransferDlg::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    if (systemMenu == nullptr) return;
    char text[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text);
    if (text[0] == '\0') return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void CTransferDlg::SetIcons(int dpi) {
    OwnedIcon big(framework::LoadIconAtDpi(IDR_MAINFRAME, false, dpi));
    OwnedIcon small(framework::LoadIconAtDpi(IDR_MAINFRAME, true, dpi));
    if (!big || !small) return;  // the icons shown so far stay
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    // The window no longer shows the old ones: they go now.
    m_hIcon = std::move(big);
    m_hSmallIcon = std::move(small);
}

void CTransferDlg::SetTipWidth(int dpi) {
    m_toolTip.SetMaxTipWidth(framework::ScaledPixels(kTipMaxWidthPixels, dpi));
}

void CTransferDlg::SetInitialTexts() {
    m_titleEdit.SetText(transfer::kDefaultTitle);
    m_dateEdit.SetText(m_dateText);
    m_longDateCheck.SetCheck(BST_UNCHECKED);
}

void CTransferDlg::TakeCursors() {
    m_hNormalCursor = GetCursor();
    m_hWaitCursor = LoadCursorA(nullptr, IDC_WAIT);
}

void CTransferDlg::AddToolTips() {
    m_toolTip.Create(*this);
    m_toolTip.SetDelayTime(TTDT_AUTOPOP, kTipShowMilliseconds);
    SetTipWidth(framework::DpiOfWindow(m_hWnd));
    const struct {
        const CWnd& control;
        const char* text;
    } tips[] = {
        {m_openButton, "Select all foto-files from the camera-folder"},
        {m_saveButton, "Select destination-folder for the foto-files at the PC"},
        {m_titleEdit, "Edit the title of the selected foto-files"},
        {m_dateEdit,
         "Change here only if a special date is wanted. Only numbers and letters allowed"},
        {m_longDateCheck, "If selected the date includes additionally hour, minute and second"},
        {m_infoButton, "Information about Brenvale"},
        {m_exitButton, "Exit Brenvale"},
    };
    for (const auto& tip : tips) m_toolTip.AddTool(tip.control, tip.text);
    m_toolTip.Activate(true);
}

void CTransferDlg::SetUpProgress() {
    m_progress.SetRange(0, transfer::kProgressSteps);
    m_progress.SetStep(1);
}

// Photos or a folder dropped onto the program's icon: ready to save, the title selected so
// that typing replaces it. False, with nothing changed, when only folders without photos
// were given.
bool CTransferDlg::OpenWithCommandLinePhotos() {
    if (!ParseCommandLine()) return false;
    SetButtonState(ButtonState::ReadyToSave);
    m_titleEdit.Focus();
    m_titleEdit.SetSel(0, -1);
    m_titleEdit.ScrollCaret();
    return true;
}

BOOL CTransferDlg::PreTranslateMessage(MSG* message) {
    m_toolTip.RelayEvent(message);
    return CDialog::PreTranslateMessage(message);
}

void CTransferDlg::SetButtonState(ButtonState state) {
    const bool readyToOpen = state == ButtonState::ReadyToOpen;
    m_openButton.ModifyStyle(readyToOpen ? WS_DISABLED : 0, readyToOpen ? 0 : WS_DISABLED);
    m_saveButton.ModifyStyle(readyToOpen ? 0 : WS_DISABLED, readyToOpen ? WS_DISABLED : 0);
}

bool CTransferDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SYSCOMMAND:
            return OnSysCommand(static_cast<UINT>(wParam), lParam);
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
            return true;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return false;  // the system goes on to scale the dialog's controls and font
        case WM_CLOSE:     // the title bar's close button, Close in the system menu, Alt+F4
            OnOK();
            return true;
        default:
            return false;
    }
}

bool CTransferDlg::OnCommand(int id, int notifyCode) {
    if (m_exited) return true;  // the settings are written; the window only waits to go
    if (notifyCode == BN_CLICKED) {
        switch (id) {
            case IDC_OPEN_CAMERA:
                OnOpenCamera();
                return true;
            case IDC_INFO:
                OnInfo();
                return true;
            case IDC_LONG_DATE:
                OnLongDate();
                return true;
            case IDC_SAVE_ON_PC:
                OnSaveOnPC();
                return true;
        }
    }
    return CDialog::OnCommand(id, notifyCode);  // Exit and Enter, Escape
}

bool CTransferDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) != IDM_ABOUTBOX) return false;  // move, close, ...: the system's
    CAboutDlg about;
    about.DoModal();
    return true;
}

bool CTransferDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) return false;  // the dialog paints itself and its controls
    const CPaintDC dc(m_hWnd);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Handle()));
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int dpi = framework::DpiOfWindow(m_hWnd);
    // Centred, the quotient rounded toward zero: an icon larger than the client area by one
    // pixel still starts at 0.
    const int x =
        (client.right - client.left - framework::SystemMetricAtDpi(SM_CXICON, dpi) + 1) / 2;
    const int y =
        (client.bottom - client.top - framework::SystemMetricAtDpi(SM_CYICON, dpi) + 1) / 2;
    DrawIcon(dc.Handle(), x, y, m_hIcon.Get());
    return true;
}

HCURSOR CTransferDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon.Get());
}

void CTransferDlg::OnDpiChanged(int dpi, const RECT& suggested) {
    SetTipWidth(dpi);
    SetIcons(dpi);
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTransferDlg::OnInfo() {
    m_progress.SetPos(0);
    CAboutDlg about;
    about.DoModal();
}

void CTransferDlg::OnLongDate() {
    // The box has already toggled itself; the flag decides, so mark and flag never differ.
    if (m_longDate) {
        m_longDateCheck.SetCheck(BST_UNCHECKED);
        m_longDate = false;
    } else {
        m_longDateCheck.SetCheck(BST_CHECKED);
        m_longDate = true;
    }
}

bool CTransferDlg::PickPhotosInTheDialog() {
    m_fileBuffer.reset(new char[m_fileBufferSize + kFileBufferSpare]());
    m_progress.SetPos(0);
    const std::string initialFolder = m_sourceFolder;

    CFileDialog dialog("jpg",
                       OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                       "JPG-Files (*.jpg)|*.jpg||");
    dialog.m_ofn.lpstrFile = m_fileBuffer.get();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(m_fileBufferSize);
    dialog.m_ofn.lpstrInitialDir = initialFolder.c_str();
    // A selection too large for the buffer ends the dialog as a cancel does (Windows), or is
    // confirmed with only what fitted (Wine): either way the user is told and nothing
    // changes.
    if (dialog.DoModal() == IDCANCEL) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            framework::ShowMessage(kTooManyPhotosText);
        }
        return false;
    }
    if (!photos::IsCompleteFileDialogResult(m_fileBuffer.get(), m_fileBufferSize)) {
        framework::ShowMessage(kTooManyPhotosText);
        return false;
    }
    return true;
}

void CTransferDlg::OnOpenCamera() {
    if (!PickPhotosInTheDialog()) return;
    SetCursor(m_hWaitCursor);
    ParseFileDialogResult();
    // A photo named like a device (NUL.jpg, COM1.jpg) would open the device: it is left
    // out and named.
    photos::LeftOut leftOut;
    photos::TakeOutDeviceNames(m_photoList, leftOut);
    SetCursor(m_hNormalCursor);
    const std::string notice = ui::SelectionNotice(leftOut, 0, m_photoList.Count());
    if (m_photoList.Count() == 0) {
        if (!leftOut.deviceNames.empty()) {
            // The dialog starts where the user picked, next time too.
            const std::string& picked = leftOut.deviceNames.front();
            m_sourceFolder = picked.substr(0, platform::FindLastBackslash(picked) + 1);
            m_pSettings->SetSource(m_sourceFolder);
        }
        framework::ShowMessage(notice.empty() ? "No foto selected" : notice.c_str());
        return;
    }

    m_sourceFolder = GetFolderOfPath(m_photoList.GetAt(0));
    m_pSettings->SetSource(m_sourceFolder);
    if (!notice.empty()) m_messages.Show(notice);
    SetButtonState(ButtonState::ReadyToSave);
    m_titleEdit.Focus();
    m_titleEdit.SetSel(0, -1);
    m_titleEdit.ScrollCaret();
    RedrawNow();
}

void CTransferDlg::ParseFileDialogResult() {
    photos::ParseFileDialogResult(m_fileBuffer.get(), m_fileBufferSize, m_photoList,
                                  m_sourceFolder);
    m_pSettings->SetSource(m_sourceFolder);
}

void CTransferDlg::OnOK() {
    // Closed from outside (End task, taskkill) while a dialog or a message box of a handler
    // is open: the handler finishes with everything in place, then the program closes.
    if (DeferOKWhileHandlersRun() || m_exited) return;
    m_exited = true;
    m_progress.SetPos(0);
    m_fileBuffer.reset();
    if (m_pSettings != nullptr) {
        delete m_pSettings;  // writes brenvale.ini with the current folders
        m_pSettings = nullptr;
    }
    CDialog::OnOK();
}

bool CTransferDlg::ParseCommandLine() {
    return ui::TakePhotosFromCommandLine(m_cmdLine, m_photoList, m_sourceFolder, *m_pSettings,
                                         m_messages);
}

std::string CTransferDlg::GetFolderOfPath(std::string path) {
    return photos::GetFolderOfPath(std::move(path));
}
