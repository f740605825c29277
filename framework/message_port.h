// The port through which the window-free code (copying, the date stamp) tells the user
// something: the program's message boxes implement it, tests record what was said.
#pragma once

#include <string>

namespace framework {

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // A modal box owned by the main window: OK button, no icon, the program's name as caption.
    virtual void Show(const std::string& text) = 0;
    // The system-error box: caption "Error", the information icon, OK button.
    virtual void ShowSystemError(const std::string& text) = 0;
};

}  // namespace framework
