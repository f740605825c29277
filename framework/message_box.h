// The program's message boxes: modal, owned by the main window, with an OK button.
#pragma once

#include <windows.h>

#include <string>

#include "platform/user_messages.h"

namespace framework {

// No icon; the caption is the program's name.
void ShowMessage(const char* text) noexcept;
// The system-error box: caption "Error", the information icon.
void ShowSystemErrorBox(HWND owner, const char* text) noexcept;

}  // namespace framework

// How the window-free code (copying, the date stamp) tells the user something.
class CMessageBoxes final : public platform::UserMessages {
public:
    void Show(const std::string& text) override;
    void ShowSystemError(const std::string& text) override;
};
