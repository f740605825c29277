// The common open-file dialog.
#include "framework/file_dialog.h"

#include <cstring>

#include "framework/win_app.h"

CFileDialog::CFileDialog(const char* defaultExtension, DWORD flags, const char* filter) {
    if (defaultExtension != nullptr) m_defaultExtension = defaultExtension;
    if (filter != nullptr) {
        m_filter = filter;
        for (char& c : m_filter) {
            if (c == '|') c = '\0';
        }
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrDefExt = defaultExtension != nullptr ? m_defaultExtension.c_str() : nullptr;
    m_ofn.lpstrFilter = filter != nullptr ? m_filter.c_str() : nullptr;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = AfxGetMainHwnd();
    if (m_ofn.lpstrFile != nullptr && m_ofn.nMaxFile > 0) {
        const std::size_t used = strnlen(m_ofn.lpstrFile, m_ofn.nMaxFile);
        std::memset(m_ofn.lpstrFile + used, 0, m_ofn.nMaxFile - used);
    }
    return GetOpenFileNameA(&m_ofn) ? IDOK : IDCANCEL;
}
