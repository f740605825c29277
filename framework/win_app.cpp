// Start-up of the application object.
#include "framework/win_app.h"

#include <commctrl.h>
#include <mbctype.h>
#include <ole2.h>

#include "framework/command_line_text.h"
#include "framework/program_name.h"
#include "framework/taskbar_win32.h"
#include "framework/wnd.h"
#include "platform/system.h"

namespace {

CWinApp* g_app = nullptr;

struct EndOle {
    bool operator()(bool) const noexcept {
        OleUninitialize();
        return true;
    }
};
// OLE and COM set up on this thread: true once OleInitialize has worked, ended with the owner.
using OleSession = platform::Owner<bool, EndOle>;

}  // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

HWND AfxGetMainHwnd() {
    return g_app != nullptr && g_app->m_pMainWnd != nullptr ? g_app->m_pMainWnd->Handle() : nullptr;
}

ITaskbarList3* AfxGetTaskbarList() {
    return g_app != nullptr ? g_app->m_pTaskbarList : nullptr;
}

const std::string& AfxGetAppName() {
    if (g_app != nullptr && !g_app->m_appName.empty()) return g_app->m_appName;
    static const std::string name = framework::ProgramNameFromPath(platform::ExecutablePath());
    return name;
}

int AfxWinMain() {
    // Multi-byte texts (paths, the settings file) follow the system's ANSI code page.
    _setmbcp(_MB_CP_ANSI);

    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->m_lpCmdLine = framework::CommandLineText(GetCommandLineA());
    app->m_appName = framework::ProgramNameFromPath(platform::ExecutablePath());

    // The progress bar and the tooltips are common controls.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    // The shell's folder chooser and the open-file dialog need COM in a single-threaded
    // apartment on this thread, set up once for the program's whole life.
    const OleSession ole(SUCCEEDED(OleInitialize(nullptr)));
    // Made once, for the progress of every save run on the taskbar button; released before
    // COM ends.
    const framework::TaskbarList taskbar(ole ? framework::MakeTaskbarList()
                                             : framework::TaskbarList());
    app->m_pTaskbarList = taskbar.Get();

    app->InitInstance();
    const int status = app->ExitInstance();
    app->m_pTaskbarList = nullptr;
    return status;
}
