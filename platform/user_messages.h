// How the window-free code tells the user something: the main window implements it with
// message boxes, tests record what was said.
#pragma once

#include <string>

namespace platform {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // A modal box owned by the main window: OK button, no icon, the program's name as caption.
    virtual void Show(const std::string& text) = 0;
    // The system-error box: caption "Error", the information icon, OK button.
    virtual void ShowSystemError(const std::string& text) = 0;
};

}  // namespace platform
