// The system's open-file and save-file dialog. The caller may point m_ofn at a result
// buffer and an initial folder of its own before DoModal.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "framework/wnd.h"

class CFileDialog {
public:
    // filter: entries "shown text|pattern|", ended by one more "|". A dialog without
    // parent is owned by the application's main window.
    CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName,
                DWORD flags, const char* filter, CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // Fills the result buffer with NULs after its initial text, then runs the dialog.
    // IDOK when the user confirmed a choice, otherwise IDCANCEL.
    INT_PTR DoModal();

    OPENFILENAMEA m_ofn = {};

private:
    bool m_openFileDialog;
    CWnd* m_parent;
    std::string m_defaultExtension;
    std::string m_filter;  // with NULs in place of the bars
    char m_fileName[MAX_PATH] = {};
};
