// The display scale that programs started afterwards work at: Windows' LogPixels for the
// user, as the display settings (or winecfg) set it. Restored when the object goes.
#pragma once

#include <windows.h>

#include <optional>

namespace gui_driver {

class DisplayScale {
public:
    // `dpi` dots per inch: 96 for 100 %, 144 for 150 %, 192 for 200 %.
    explicit DisplayScale(int dpi);
    ~DisplayScale();
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    std::optional<DWORD> previous_;
};

}  // namespace gui_driver
