// The main window: it holds the chosen photos, the title and date of the copies, the
// remembered folders and the settings file, and the buttons that open the camera's
// photos, save them on the PC, show the information dialog and exit.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/message_box.h"
#include "photos/photo_list.h"
#include "platform/owner_win32.h"
#include "settings/folder_settings.h"

// An icon loaded by the program at a size of its choice, destroyed when it is replaced.
struct DestroyIconHandle {
    bool operator()(HICON icon) const noexcept { return DestroyIcon(icon) != FALSE; }
};
using OwnedIcon = platform::Owner<HICON, DestroyIconHandle>;

class CTransferDlg : public CDialog {
public:
    // Reads the settings file and takes the remembered folders from it.
    explicit CTransferDlg(CWnd* parent = nullptr);
    // Leaves the settings object alone: only the exit handler writes the settings file.
    ~CTransferDlg() override;

    // Shows the tooltips for mouse messages, then handles the dialog keys.
    BOOL PreTranslateMessage(MSG* message) override;

    // The two states of the main buttons.
    enum class ButtonState {
        ReadyToOpen,  // Open Camera enabled, Save On PC disabled
        ReadyToSave,  // Open Camera disabled, Save On PC enabled
    };
    // Sets or clears the buttons' WS_DISABLED style, nothing more; call RedrawNow() when
    // the window is on screen so that the buttons show their new state.
    void SetButtonState(ButtonState state);

protected:
    void DoDataExchange() override;
    // Sets up the controls, tooltips and system menu; with photos on the command line the
    // window opens ready to save with the title selected, otherwise ready to open.
    BOOL OnInitDialog() override;
    // The exit handler (Exit, Enter, closing the window): writes the settings file and
    // ends the program, once no other handler is running. Escape ends it through
    // CDialog::OnCancel without writing.
    void OnOK() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The parts of OnInitDialog.
    void AddAboutToSystemMenu();
    // The window's big and small icons at the sizes the system asks for at `dpi`.
    void SetIcons(int dpi);
    // The longest line of a tooltip at `dpi`.
    void SetTipWidth(int dpi);
    void SetInitialTexts();
    void TakeCursors();
    void AddToolTips();
    void SetUpProgress();
    bool OpenWithCommandLinePhotos();

    bool OnSysCommand(UINT id, LPARAM lParam);
    bool OnPaint();
    HCURSOR OnQueryDragIcon();
    // The window moved to a monitor of another scale: it takes the size the system
    // suggests, and its tooltips and icons follow.
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnInfo();
    void OnLongDate();
    // Lets the user pick photos in the open-file dialog, starting in the source folder;
    // a confirmed choice fills the photo list and makes the window ready to save.
    void OnOpenCamera();
    // The open-file dialog, starting in the source folder; true when photos were picked and
    // all of them came back in m_fileBuffer.
    bool PickPhotosInTheDialog();
    // Copies the selected photos into a folder the user chooses (the save run).
    void OnSaveOnPC();

    // Fills the photo list from m_cmdLine, a folder standing for the photos below it, and
    // takes the source folder from the first photo. False when only folders without photos
    // were given.
    bool ParseCommandLine();
    // Fills the photo list from the open-file dialog's result in m_fileBuffer and hands
    // the result's folder text (empty after a single photo) to the settings.
    void ParseFileDialogResult();
    // The absolute folder of a photo, with its final backslash; FileError when it cannot
    // be opened for reading.
    std::string GetFolderOfPath(std::string path);

    CButton m_longDateCheck;
    CButton m_exitButton;
    CButton m_infoButton;
    CProgressCtrl m_progress;
    CButton m_saveButton;
    CButton m_openButton;
    CEdit m_dateEdit;
    CEdit m_titleEdit;
    OwnedIcon m_hIcon;       // the program icon at the big icon size of the window's scale
    OwnedIcon m_hSmallIcon;  // and at the small icon size, for the title bar

public:
    // The arguments of the command line; the application points it at them when there are
    // any. Read only, never freed by the window.
    const char* m_cmdLine = "";

private:
    CToolTipCtrl m_toolTip;
    // A plain pointer, not an owner: deleting it writes brenvale.ini, which the exit
    // handler alone does, so Escape (and this window's destructor) leave the file as it was.
    CFolderSettings* m_pSettings = nullptr;
    std::string m_sourceFolder;  // where the open-file dialog starts
    std::string m_destFolder;    // where the folder chooser starts
    // The date edit's text until the user types a date; while the edit holds exactly this
    // text, each photo's own date is used.
    char m_dateText[32] = {};
    bool m_longDate = false;  // date stamps carry the time of day too
    int m_fileBufferSize = 0;
    // The open-file dialog's result; a fresh one for every use of the dialog.
    std::unique_ptr<char[]> m_fileBuffer;
    CPhotoList m_photoList;
    HCURSOR m_hNormalCursor = nullptr;
    HCURSOR m_hWaitCursor = nullptr;
    int m_nextNumber = 1;  // the running number of the copies; each save run starts at 1
    CMessageBoxes m_messages;
    bool m_exited = false;  // the exit handler has run: nothing but the window's end follows
};
