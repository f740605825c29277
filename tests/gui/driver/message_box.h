// Message boxes of the program under test: what they say, and answering them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver/wait.h"

namespace gui_driver {

struct MessageBoxView {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    bool showsIcon = false;    // the box shows an icon (information, warning, error...)
    std::vector<int> buttons;  // the ids of the buttons it shows, in z-order
};

// Waits for a message box of the process, owned by `owner` (any owner when null).
MessageBoxView WaitForMessageBox(DWORD processId, HWND owner,
                                 Milliseconds timeout = kDefaultTimeout);
// Presses OK and waits until the box has gone.
void PressOk(const MessageBoxView& box, Milliseconds timeout = kDefaultTimeout);

}  // namespace gui_driver
