// The common open-file and save-file dialogs.
#include "framework/file_dialog.h"

#include <cstring>

#include "framework/win_app.h"

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : m_openFileDialog(openFileDialog), m_parent(parent) {
    if (defaultExtension != nullptr) m_defaultExtension = defaultExtension;
    if (fileName != nullptr) {
        std::strncpy(m_fileName, fileName, sizeof m_fileName - 1);
    }
    if (filter != nullptr) {
        m_filter = filter;
        for (char& c : m_filter) {
            if (c == '|') c = '\0';
        }
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = sizeof m_fileName;
    m_ofn.lpstrDefExt = defaultExtension != nullptr ? m_defaultExtension.c_str() : nullptr;
    m_ofn.lpstrFilter = filter != nullptr ? m_filter.c_str() : nullptr;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = m_parent != nullptr ? m_parent->Handle() : AfxGetMainHwnd();
    if (m_ofn.lpstrFile != nullptr && m_ofn.nMaxFile > 0) {
        const std::size_t used = strnlen(m_ofn.lpstrFile, m_ofn.nMaxFile);
        std::memset(m_ofn.lpstrFile + used, 0, m_ofn.nMaxFile - used);
    }
    const BOOL confirmed = m_openFileDialog ? GetOpenFileNameA(&m_ofn) : GetSaveFileNameA(&m_ofn);
    return confirmed ? IDOK : IDCANCEL;
}
