#include "driver/dialog_units.h"

#include "driver/handle.h"
#include "driver/wait.h"

namespace gui_driver {

namespace {

using Font = OwnedGdiObject<HFONT>;

OwnedScreenDc ScreenDc() {
    OwnedScreenDc dc(GetDC(nullptr));
    if (!dc) throw DriverError("cannot draw on the screen");
    return dc;
}

// The font as a dialog creates it from its template: height from the point size at the
// display's resolution, normal weight, the default character set.
Font DialogFont(const std::string& face, int pointSize, int dpi) {
    const int height = -MulDiv(pointSize, dpi, 72);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                             PROOF_QUALITY, FF_DONTCARE, face.c_str());
    if (!font) throw DriverError("cannot create the font " + face);
    return Font(font);
}

// `text` and the font's metrics measured in the dialog font.
SIZE Measure(const std::string& face, int pointSize, int dpi, const std::string& text,
             TEXTMETRICA& metrics) {
    const OwnedScreenDc dc = ScreenDc();
    const Font font = DialogFont(face, pointSize, dpi);
    const HGDIOBJ old = SelectObject(dc.Get(), font.Get());
    SIZE extent{};
    const bool measured =
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent) &&
        GetTextMetricsA(dc.Get(), &metrics);
    SelectObject(dc.Get(), old);
    if (!measured) throw DriverError("cannot measure the font " + face);
    return extent;
}

}  // namespace

BaseUnits DialogBaseUnitsOf(const std::string& face, int pointSize) {
    const OwnedScreenDc dc = ScreenDc();
    return DialogBaseUnitsOf(face, pointSize, GetDeviceCaps(dc.Get(), LOGPIXELSY));
}

BaseUnits DialogBaseUnitsOf(const std::string& face, int pointSize, int dpi) {
    TEXTMETRICA metrics{};
    const SIZE extent = Measure(face, pointSize, dpi,
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", metrics);
    return {(extent.cx + 26) / 52, metrics.tmHeight};
}

SIZE TextExtentIn(const std::string& face, int pointSize, int dpi, const std::string& text) {
    TEXTMETRICA metrics{};
    SIZE extent = Measure(face, pointSize, dpi, text, metrics);
    extent.cy = metrics.tmHeight;
    return extent;
}

RECT DialogUnitsToPixels(int left, int top, int width, int height, BaseUnits units) {
    const int x = MulDiv(left, units.x, 4);
    const int y = MulDiv(top, units.y, 8);
    return {x, y, x + MulDiv(width, units.x, 4), y + MulDiv(height, units.y, 8)};
}

}  // namespace gui_driver
