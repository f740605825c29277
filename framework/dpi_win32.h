// A window's resolution and the system's sizes at it. Windows 10 (1607) and later tell
// them for each monitor; older Windows have one resolution for the whole screen.
#pragma once

#include <windows.h>

namespace framework {

// The dots per inch of the monitor the window is on, as the window sees them.
int DpiOfWindow(HWND window);

// GetSystemMetrics(index) at `dpi`: SM_CXICON, SM_CXSMICON and the like.
int SystemMetricAtDpi(int index, int dpi);

// The icon `resourceId` of the program's resources, at the size of a big (SM_CXICON) or a
// small (SM_CXSMICON) icon at `dpi`; null when it cannot be loaded. The caller destroys it.
HICON LoadIconAtDpi(int resourceId, bool small, int dpi);

}  // namespace framework
