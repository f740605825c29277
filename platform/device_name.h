// Names that Windows keeps for its devices: a file or folder called so, with any
// extension, cannot be opened or made as such, in any folder; the name opens the device.
#pragma once

#include <string>

namespace platform {

// Whether Windows takes the name (one part of a path, no backslash) for a device: CON, PRN,
// AUX, NUL, COM1 to COM9 or LPT1 to LPT9, in any case, before the first dot and blanks at
// its end ("nul.txt", "COM1 .jpg", "Aux").
bool IsDeviceName(const std::string& name);

}  // namespace platform
