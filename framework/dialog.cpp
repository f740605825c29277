// The modal dialog: creation from the template, its own message loop, and the dialog
// procedure that routes messages to the dialog object's handlers.
#include "framework/dialog.h"

#include "framework/failure_boundary.h"
#include "framework/message_box.h"
#include "framework/win_app.h"
#include "framework/window_placement.h"

namespace {

void ReportFailure(const char* text) {
    framework::ShowMessage(text);
}

// Messages whose result a dialog procedure returns itself instead of in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return true;
        default:
            return false;
    }
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

HWND CDialog::ModalOwner() const {
    HWND owner = m_parent != nullptr ? m_parent->Handle() : AfxGetMainHwnd();
    if (owner == m_hWnd) return nullptr;  // the main window itself, not yet created
    // A popup cannot be owned by a child window: take its top-level window.
    while (owner != nullptr && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD)) {
        owner = GetParent(owner);
    }
    return owner;
}

INT_PTR CDialog::DoModal() {
    HWND owner = ModalOwner();
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);

    m_running = true;
    m_result = -1;
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                     owner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        m_running = false;
        if (disableOwner) EnableWindow(owner, TRUE);
        return -1;
    }
    if (m_running && !IsWindowVisible(window)) ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (m_running) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Someone asked the program to quit: leave the request for an outer loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        BOOL translated = FALSE;
        framework::RunReportingFailures([&] { translated = PreTranslateMessage(&message); },
                                        ReportFailure);
        if (!translated) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    m_running = false;

    // The owner is enabled before the dialog goes, so that it becomes the active window.
    if (disableOwner) EnableWindow(owner, TRUE);
    if (owner != nullptr && GetActiveWindow() == window) SetActiveWindow(owner);
    DestroyWindow(window);
    return m_result;
}

BOOL CDialog::PreTranslateMessage(MSG* message) {
    return m_hWnd != nullptr && IsDialogMessageA(m_hWnd, message);
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
        case IDOK:
            OnOK();
            return true;
        case IDCANCEL:
            OnCancel();
            return true;
        default:
            return false;
    }
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void CDialog::EndDialog(INT_PTR result) {
    m_result = result;
    if (m_running) {
        m_running = false;
        // Wakes the modal loop even when the handler ran inside another modal loop.
        if (m_hWnd != nullptr) PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

bool CDialog::DeferOKWhileHandlersRun() {
    if (m_handlerDepth <= 1) return false;
    m_okDeferred = true;
    return true;
}

void CDialog::BindControl(int id, CWnd& control) {
    control.Attach(GetDlgItem(m_hWnd, id));
}

// Centres the dialog over its owner, or over the work area when it has none, unless the
// dialog moved itself while it was set up.
void CDialog::CenterOnOwner(HWND owner) {
    RECT window;
    GetWindowRect(m_hWnd, &window);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(owner != nullptr ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    RECT over = monitor.rcWork;
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &over);
    }
    const framework::Point origin =
        framework::CenteredOrigin(framework::ToRect(over), window.right - window.left,
                                  window.bottom - window.top, framework::ToRect(monitor.rcWork));
    SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The program was asked to close while a handler ran: it closes now that all have ended.
void CDialog::RunDeferredOk() {
    m_okDeferred = false;
    ++m_handlerDepth;
    framework::RunReportingFailures([&] { OnOK(); }, ReportFailure);
    --m_handlerDepth;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool handled = false;
    RECT before = {};
    if (message == WM_INITDIALOG) GetWindowRect(m_hWnd, &before);

    ++m_handlerDepth;
    const bool finished = framework::RunReportingFailures(
        [&] {
            switch (message) {
                case WM_INITDIALOG:
                    result = OnInitDialog();
                    handled = true;
                    break;
                case WM_COMMAND:
                    handled = OnCommand(LOWORD(wParam), HIWORD(wParam));
                    break;
                default:
                    handled = OnMessage(message, wParam, lParam, result);
                    break;
            }
        },
        ReportFailure);
    --m_handlerDepth;
    if (m_handlerDepth == 0 && m_okDeferred) RunDeferredOk();

    if (message == WM_INITDIALOG) {
        RECT after = {};
        GetWindowRect(m_hWnd, &after);
        if (EqualRect(&before, &after)) CenterOnOwner(GetWindow(m_hWnd, GW_OWNER));
    }
    if (!finished) {
        // The handler is over. A failed set-up places no focus; a failed paint still
        // validates the window, or the system would ask again at once.
        if (message == WM_PAINT) ValidateRect(m_hWnd, nullptr);
        if (message == WM_INITDIALOG) return FALSE;
        handled = true;
        result = 0;
    }
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
        dialog->m_hWnd = window;
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (dialog == nullptr) return FALSE;  // messages before WM_INITDIALOG

    const INT_PTR handled = dialog->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        dialog->m_hWnd = nullptr;
    }
    return handled;
}
