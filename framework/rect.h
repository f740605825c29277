// A rectangle and a point in pixels, as the system's RECT and POINT, apart from any window.
#pragma once

namespace framework {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

}  // namespace framework
