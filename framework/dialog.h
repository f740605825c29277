// A dialog built from a template in the program's resources and run modally. The dialog
// object is found again from the window's GWLP_USERDATA, set at WM_INITDIALOG; a derived
// dialog handles messages in OnMessage and button clicks in OnCommand, one OnXxx per
// message. A failure that leaves a handler is shown to the user and ends only that handler.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CDialog : public CWnd {
public:
    // A dialog without parent is owned by the application's main window while it runs.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window, disables its owner and runs the dialog's own message loop until
    // the dialog ends; then enables the owner again and destroys the window. Returns the
    // code given to EndDialog, or -1 when the window could not be created.
    INT_PTR DoModal();

    // Sees every message of the modal loop before it is dispatched; returns TRUE when the
    // message was dealt with. The base lets IsDialogMessage handle the dialog keys.
    virtual BOOL PreTranslateMessage(MSG* message);

protected:
    // Binds the controls (DoDataExchange); TRUE lets the system give the focus to the
    // first tab stop, FALSE means the dialog placed the focus itself.
    virtual BOOL OnInitDialog();
    // Binds control objects to the dialog's child windows with BindControl.
    virtual void DoDataExchange() {}
    // Enter and the default button (IDOK), and Escape (IDCANCEL): both end the dialog.
    virtual void OnOK();
    virtual void OnCancel();
    // WM_COMMAND; returns whether it was handled. The base sends IDOK to OnOK and
    // IDCANCEL to OnCancel.
    virtual bool OnCommand(int id, int notifyCode);
    // Any other message; returns whether it was handled, with its result in result.
    // Unhandled messages get the dialog's default processing.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Ends the modal loop with the given result once the running handler returns.
    void EndDialog(INT_PTR result);
    // For a handler that tears the dialog down: true when it was called while another
    // handler of this dialog is still running (one that shows a modal window runs the others
    // inside that window's loop); OnOK is then called once that handler has ended, and the
    // caller does nothing now.
    bool DeferOKWhileHandlersRun();
    void BindControl(int id, CWnd& control);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void RunDeferredOk();
    HWND ModalOwner() const;
    void CenterOnOwner(HWND owner);

    UINT m_templateId;
    CWnd* m_parent;
    bool m_running = false;
    INT_PTR m_result = -1;
    int m_handlerDepth = 0;  // handlers of this dialog running, one inside another
    bool m_okDeferred = false;
};
