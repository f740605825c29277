#include "driver/wait.h"

#include <windows.h>

namespace gui_driver {

std::string TimeoutText(const std::string& what, Milliseconds timeout) {
    return "timed out after " + std::to_string(timeout.count()) + " ms waiting for " + what;
}

void PauseOnePoll() {
    Sleep(static_cast<DWORD>(kPollInterval.count()));
}

}  // namespace gui_driver
