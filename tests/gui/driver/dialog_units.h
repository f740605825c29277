// Dialog units, the measure of dialog templates, turned into pixels the way the system
// does it for a dialog's font, without asking the program under test.
#pragma once

#include <windows.h>

#include <string>

namespace gui_driver {

struct BaseUnits {
    int x;  // the average width of the letters A..Z and a..z, rounded
    int y;  // the font's height
};

// The base units of a dialog whose template names the font `face` at `pointSize`.
BaseUnits DialogBaseUnitsOf(const std::string& face, int pointSize);
// The same for a dialog on a display of `dpi` dots per inch.
BaseUnits DialogBaseUnitsOf(const std::string& face, int pointSize, int dpi);

// The extent of `text` on one line in the dialog font `face` at `pointSize` and `dpi`,
// with the font's full height.
SIZE TextExtentIn(const std::string& face, int pointSize, int dpi, const std::string& text);

// A template rectangle (left, top, width, height in dialog units) in pixels, as left, top,
// right, bottom in the dialog's client area.
RECT DialogUnitsToPixels(int left, int top, int width, int height, BaseUnits units);

}  // namespace gui_driver
