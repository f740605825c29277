// Where the minimised main window draws its icon: centred in the client area. Kept free
// of windows so it is tested natively.
#pragma once

namespace ui {

struct IconOrigin {
    int x;
    int y;
};

// (client - icon + 1) / 2 on each axis, the quotient rounded toward zero: an icon wider
// than the client area by one pixel still starts at 0, by two or more it starts left of it.
inline IconOrigin CenteredIconOrigin(int clientWidth, int clientHeight, int iconWidth,
                                     int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace ui
