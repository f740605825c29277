// Sizes in pixels at a display's scale. Brenvale's pixel sizes are written for 96 dots per
// inch (100 %); a window on a monitor at 150 % works at 144, at 200 % at 192.
#pragma once

namespace framework {

// The resolution that sizes in pixels are written for.
inline constexpr int kDefaultDpi = 96;

// `pixels` at 96 dpi scaled to `dpi`, rounded to the nearest pixel (halves away from zero),
// as the system scales its own sizes. A dpi of 0 or less counts as 96.
inline int ScaledPixels(int pixels, int dpi) {
    if (dpi <= 0) dpi = kDefaultDpi;
    const long long product = static_cast<long long>(pixels) * dpi;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDefaultDpi
                                         : -((-product + half) / kDefaultDpi));
}

}  // namespace framework
