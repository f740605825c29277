#include "driver/display_scale.h"

#include "driver/handle.h"
#include "driver/wait.h"

namespace gui_driver {

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

OwnedRegistryKey OpenDesktopKey() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw DriverError(std::string("cannot open HKCU\\") + kDesktopKey);
    }
    return OwnedRegistryKey(key);
}

}  // namespace

DisplayScale::DisplayScale(int dpi) {
    const OwnedRegistryKey key = OpenDesktopKey();
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), kLogPixels, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) == ERROR_SUCCESS &&
        type == REG_DWORD) {
        previous_ = value;
    }
    const DWORD wanted = static_cast<DWORD>(dpi);
    if (RegSetValueExA(key.Get(), kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&wanted),
                       sizeof wanted) != ERROR_SUCCESS) {
        throw DriverError("cannot set the display scale to " + std::to_string(dpi) + " dpi");
    }
}

DisplayScale::~DisplayScale() {
    try {
        const OwnedRegistryKey key = OpenDesktopKey();
        if (previous_) {
            RegSetValueExA(key.Get(), kLogPixels, 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&*previous_), sizeof *previous_);
        } else {
            RegDeleteValueA(key.Get(), kLogPixels);
        }
    } catch (const DriverError&) {
        // The key cannot be opened now: nothing to restore in it.
    }
}

}  // namespace gui_driver
