// The application object: one global instance per program, whose InitInstance the
// framework runs from WinMain with the arguments of the command line.
#pragma once

#include <windows.h>

#include <shobjidl.h>

#include <string>

class CWnd;

class CWinApp {
public:
    // Registers the object as the program's one application.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program. Brenvale's whole life is a modal run inside it; it returns FALSE
    // and the framework enters no message loop of its own.
    virtual BOOL InitInstance() = 0;
    // The process exit status; nothing relies on it.
    virtual int ExitInstance() { return 0; }

    // The arguments after the program's name (see CommandLineText): the "" of an empty
    // line, or a pointer into the process command line, which lives as long as the process.
    const char* m_lpCmdLine = "";
    // The program's main window while it exists: the owner of every message box and of
    // every modal dialog run without a parent.
    CWnd* m_pMainWnd = nullptr;
    // The executable's file name without its extension: the caption of message boxes.
    std::string m_appName;
    // The taskbar object while the program runs, where Windows offers one; else null.
    // AfxWinMain holds it, and releases it before COM ends.
    ITaskbarList3* m_pTaskbarList = nullptr;
};

CWinApp* AfxGetApp();
// The main window's handle, or null when there is none (yet).
HWND AfxGetMainHwnd();
// The program's name for captions, also when no application object exists.
const std::string& AfxGetAppName();
// The program's taskbar object, or null where Windows offers none.
ITaskbarList3* AfxGetTaskbarList();

// What WinMain runs: sets up the application object and calls its InitInstance.
int AfxWinMain();
