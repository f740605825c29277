// The program's message boxes: modal, owned by the main window, with an OK button.
#pragma once

#include <windows.h>

#include <string>

#include "framework/message_port.h"

namespace framework {

// No icon; the caption is the program's name.
void ShowMessage(const char* text) noexcept;

}  // namespace framework

// How the window-free code (copying, the date stamp) tells the user something: boxes
// owned by the given window, or by the main window when none is given.
class CMessageBoxes final : public framework::MessagePort {
public:
    explicit CMessageBoxes(HWND owner = nullptr) : m_owner(owner) {}

    // No icon; the caption is the program's name.
    void Show(const std::string& text) override;
    // The system-error box: caption "Error", the information icon.
    void ShowSystemError(const std::string& text) override;

private:
    HWND Owner() const noexcept;

    HWND m_owner;
};
