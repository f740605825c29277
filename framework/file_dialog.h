// The system's open-file dialog. The caller points m_ofn at a result buffer, and may point
// it at an initial folder, before DoModal.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

class CFileDialog {
public:
    // filter: entries "shown text|pattern|", ended by one more "|". The dialog is owned by
    // the application's main window.
    CFileDialog(const char* defaultExtension, DWORD flags, const char* filter);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // Fills the result buffer with NULs after its initial text, then runs the dialog.
    // IDOK when the user confirmed a choice, otherwise IDCANCEL.
    INT_PTR DoModal();

    OPENFILENAMEA m_ofn = {};

private:
    std::string m_defaultExtension;
    std::string m_filter;  // with NULs in place of the bars
};
