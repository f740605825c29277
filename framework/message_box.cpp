// Message boxes with the program's name as caption, owned by the main window.
#include "framework/message_box.h"

#include "framework/win_app.h"

namespace framework {

void ShowMessage(const char* text) noexcept {
    MessageBoxA(AfxGetMainHwnd(), text, AfxGetAppName().c_str(), MB_OK);
}

void ShowSystemErrorBox(HWND owner, const char* text) noexcept {
    MessageBoxA(owner, text, "Error", MB_OK | MB_ICONINFORMATION);
}

}  // namespace framework

void CMessageBoxes::Show(const std::string& text) {
    framework::ShowMessage(text.c_str());
}

void CMessageBoxes::ShowSystemError(const std::string& text) {
    framework::ShowSystemErrorBox(AfxGetMainHwnd(), text.c_str());
}
