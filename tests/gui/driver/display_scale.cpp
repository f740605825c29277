#include "driver/display_scale.h"

#include "driver/wait.h"

namespace gui_driver {

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

class DesktopKey {
public:
    DesktopKey() {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            throw DriverError(std::string("cannot open HKCU\\") + kDesktopKey);
        }
    }
    ~DesktopKey() { RegCloseKey(key_); }
    DesktopKey(const DesktopKey&) = delete;
    DesktopKey& operator=(const DesktopKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

DisplayScale::DisplayScale(int dpi) {
    DesktopKey key;
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
        DesktopKey key;
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
