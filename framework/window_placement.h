// Where a dialog goes when it opens: centred over its owner, or over the desktop's work
// area, and kept wholly inside that work area. Window-free so it is tested natively.
#pragma once

#include "framework/rect.h"

namespace framework {

// The top-left corner that centres a window of width x height over `over`, moved back
// inside `bounds` where it would stick out (its top-left corner first, when it is larger).
inline Point CenteredOrigin(const Rect& over, int width, int height, const Rect& bounds) {
    auto place = [](int low, int high, int size, int boundLow, int boundHigh) {
        int start = low + (high - low - size) / 2;
        if (start + size > boundHigh) start = boundHigh - size;
        if (start < boundLow) start = boundLow;
        return start;
    };
    return {place(over.left, over.right, width, bounds.left, bounds.right),
            place(over.top, over.bottom, height, bounds.top, bounds.bottom)};
}

}  // namespace framework
