// A dialog template as a program's resources hold it, read from the exe file itself: the
// dialog's styles, title, font and size, and each control as written, in dialog units.
// It shows what the system changes once the dialog runs (borders, default buttons).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace gui_driver {

struct TemplateControl {
    DWORD id = 0;  // a standard template's 16 bits, as the system reads them
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string className;  // as written, in any case; predefined classes by their names
    std::string text;       // a resource ordinal as "#<number>"
};

struct DialogTemplate {
    bool extended = false;  // DLGTEMPLATEEX rather than DLGTEMPLATE
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string title;
    WORD pointSize = 0;  // the font, when the style has DS_SETFONT
    WORD weight = 0;
    bool italic = false;
    BYTE charset = 0;
    std::string fontFace;
    std::vector<TemplateControl> controls;
};

// The dialog template `id` in the language `language` from the exe `exePath`. Throws
// DriverError when the exe, the resource in that language, or a sound template is missing.
DialogTemplate ReadDialogTemplate(const std::string& exePath, int id, LANGID language);

}  // namespace gui_driver
