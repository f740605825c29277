// Ownership of a kernel handle: closed once, never copied; the program's own owner.
#pragma once

#include "platform/owner_win32.h"

namespace gui_driver {

using platform::OwnedHandle;

}  // namespace gui_driver
