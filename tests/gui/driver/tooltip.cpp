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
    const WindowSpec tip{processId, TOOLTIPS_CLASSA, std::nullopt, dialog,
                         "the tooltip of " + Describe(control)};

    MovePointerTo(PointAwayFrom(dialog));
    WaitForNoWindow(
        {processId, TOOLTIPS_CLASSA, std::nullopt, dialog, "a tooltip of " + Describe(dialog)},
        timeout);
    MovePointerTo(CenterOf(control));
    const HWND shown = WaitFor(
        [&]() -> HWND {
            const HWND window = FindWindowLike(tip);
            return window && !TextOf(window).empty() ? window : nullptr;
        },
        tip.description, timeout);
    return TextOf(shown);
}

}  // namespace gui_driver
