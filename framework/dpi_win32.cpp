// Resolutions and system sizes, from the per-monitor calls where Windows has them.
#include "framework/dpi_win32.h"

#include "framework/dpi.h"
#include "platform/owner_win32.h"

namespace framework {

namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiCall = int(WINAPI*)(int, UINT);

// Looked up once: Windows before 10 (1607) has neither call, and the program must start
// there too.
template <typename Call>
Call User32Call(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) return nullptr;
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

int ScreenDpi() {
    const platform::OwnedScreenDc screen(GetDC(nullptr));
    if (!screen) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

int DpiOfWindow(HWND window) {
    static const auto getDpiForWindow = User32Call<GetDpiForWindowCall>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

int SystemMetricAtDpi(int index, int dpi) {
    static const auto getSystemMetricsForDpi =
        User32Call<GetSystemMetricsForDpiCall>("GetSystemMetricsForDpi");
    if (getSystemMetricsForDpi != nullptr && dpi > 0) {
        return getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    }
    // One resolution for the whole screen: the system's sizes are already at it.
    return GetSystemMetrics(index);
}

HICON LoadIconAtDpi(int resourceId, bool small, int dpi) {
    const int width = SystemMetricAtDpi(small ? SM_CXSMICON : SM_CXICON, dpi);
    const int height = SystemMetricAtDpi(small ? SM_CYSMICON : SM_CYICON, dpi);
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                         IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

}  // namespace framework
