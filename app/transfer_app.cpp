// The one application object and its start-up.
#include "app/transfer_app.h"

#include "ui/transfer_dlg.h"

// Constructed before WinMain runs. Help requests (ID_HELP) have nowhere to go: Brenvale
// ships no help, so the application object handles no command.
CTransferApp theApp;

BOOL CTransferApp::InitInstance() {
    CTransferDlg dialog;  // reads brenvale.ini
    m_pMainWnd = &dialog;
    if (m_lpCmdLine[0] != '\0') dialog.m_cmdLine = m_lpCmdLine;
    dialog.DoModal();
    return FALSE;
}
