#include "driver/tooltip.h"

#include <commctrl.h>

#include "driver/controls.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

// A point of the screen well away from the dialog, where none of its tips can show.
POINT PointAwayFrom(HWND dialog) {
    RECT rect{};
    GetWindowRect(dialog, &rect);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const LONG below = rect.bottom + 20;
    return below < screenHeight ? POINT{rect.left, below} : POINT{rect.left, rect.top - 20};
}

}  // namespace

std::string ReadTooltip(HWND dialog, HWND control, Milliseconds timeout) {
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    const WantedWindow anyTip{processId, TOOLTIPS_CLASSA, std::nullopt, dialog,
                              "no tooltip of " + Describe(dialog) + " to show"};
    // Tips without the always-tip style show only while their window is the active one.
    WaitFor([&] { return GetForegroundWindow() == dialog; },
            Describe(dialog) + " to be the active window", timeout);

    MovePointerTo(PointAwayFrom(dialog));
    WaitForNoWindow(anyTip, timeout);

    // The pointer rests on the control as a hand rests on a mouse: it moves by a pixel now
    // and then. A tip whose first mouse message came too early shows at the next one.
    const POINT center = CenterOf(control);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (int poll = 0;; ++poll) {
        if (poll % 50 == 0) MovePointerTo({center.x + (poll / 50) % 2, center.y});
        const HWND tip = FindWindowLike(anyTip);
        if (tip) {
            const auto text = TryTextOf(tip);
            if (text && !text->empty()) return *text;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            throw DriverError(TimeoutText("the tooltip of " + Describe(control), timeout));
        }
        PauseOnePoll();
    }
}

}  // namespace gui_driver
