#include "driver/dialog_units.h"

#include "driver/wait.h"

namespace gui_driver {

namespace {

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class Font {
public:
    explicit Font(HFONT font) : font_(font) {}
    ~Font() { DeleteObject(font_); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    HFONT Get() const { return font_; }

private:
    HFONT font_;
};

}  // namespace

BaseUnits DialogBaseUnitsOf(const std::string& face, int pointSize) {
    ScreenDc dc;
    // The font as a dialog creates it from its template: height from the point size at
    // the screen's resolution, normal weight, the default character set.
    const int height = -MulDiv(pointSize, GetDeviceCaps(dc.Get(), LOGPIXELSY), 72);
    Font font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                          PROOF_QUALITY, FF_DONTCARE, face.c_str()));
    if (!font.Get()) throw DriverError("cannot create the font " + face);
    const HGDIOBJ old = SelectObject(dc.Get(), font.Get());

    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    TEXTMETRICA metrics{};
    const bool measured = GetTextExtentPoint32A(dc.Get(), kLetters, 52, &extent) &&
                          GetTextMetricsA(dc.Get(), &metrics);
    SelectObject(dc.Get(), old);
    if (!measured) throw DriverError("cannot measure the font " + face);
    return {(extent.cx + 26) / 52, metrics.tmHeight};
}

RECT DialogUnitsToPixels(int left, int top, int width, int height, BaseUnits units) {
    const int x = MulDiv(left, units.x, 4);
    const int y = MulDiv(top, units.y, 8);
    return {x, y, x + MulDiv(width, units.x, 4), y + MulDiv(height, units.y, 8)};
}

}  // namespace gui_driver
