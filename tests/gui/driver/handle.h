// Owners of the system's resources the driver acquires: closed once, never copied. The
// program's own owners, and those only the driver needs.
#pragma once

#include <windows.h>

#include "platform/owner_win32.h"

namespace gui_driver {

using platform::OwnedHandle;
using platform::OwnedScreenDc;
using platform::Owner;

struct DeleteGdiObject {
    bool operator()(HGDIOBJ object) const noexcept { return DeleteObject(object) != FALSE; }
};
// A font, a bitmap or another object of the graphics device interface.
template <typename Object>
using OwnedGdiObject = Owner<Object, DeleteGdiObject>;

struct DeleteMemoryDc {
    bool operator()(HDC dc) const noexcept { return DeleteDC(dc) != FALSE; }
};
// A device context in memory, from CreateCompatibleDC.
using OwnedMemoryDc = Owner<HDC, DeleteMemoryDc>;

struct CloseRegistryKey {
    bool operator()(HKEY key) const noexcept { return RegCloseKey(key) == ERROR_SUCCESS; }
};
// An open key of the registry.
using OwnedRegistryKey = Owner<HKEY, CloseRegistryKey>;

}  // namespace gui_driver
