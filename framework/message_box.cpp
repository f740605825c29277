// Message boxes with the program's name as caption, owned by the main window.
#include "framework/message_box.h"

#include "framework/win_app.h"

namespace {

// Allocates nothing: it also reports exhausted memory.
void ShowPlainBox(HWND owner, const char* text) noexcept {
    MessageBoxA(owner, text, AfxGetAppName().c_str(), MB_OK);
}

}  // namespace

namespace framework {

void ShowMessage(const char* text) noexcept {
    ShowPlainBox(AfxGetMainHwnd(), text);
}

}  // namespace framework

HWND CMessageBoxes::Owner() const noexcept {
    return m_owner != nullptr ? m_owner : AfxGetMainHwnd();
}

void CMessageBoxes::Show(const std::string& text) {
    ShowPlainBox(Owner(), text.c_str());
}

void CMessageBoxes::ShowSystemError(const std::string& text) {
    MessageBoxA(Owner(), text.c_str(), "Error", MB_OK | MB_ICONINFORMATION);
}
