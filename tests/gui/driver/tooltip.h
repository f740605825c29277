// Tooltips of the program under test: rest the mouse pointer on a control, read the tip.
#pragma once

#include <windows.h>

#include <string>

#include "driver/wait.h"

namespace gui_driver {

// Moves the pointer off the dialog until no tip of it shows, then rests it on the centre
// of `control` and returns the text of the tip that appears. The tip is a window of the
// tooltip class owned by the dialog.
std::string ReadTooltip(HWND dialog, HWND control, Milliseconds timeout = kDefaultTimeout);

}  // namespace gui_driver
