// Finding the windows of the program under test: its dialogs among the desktop's
// top-level windows, and controls by their ids.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/wait.h"

namespace gui_driver {

// The dialog class of the system: dialog templates, message boxes, the common dialogs.
inline constexpr char kDialogClass[] = "#32770";

// What a sought top-level window looks like.
struct WantedWindow {
    DWORD processId = 0;
    std::string className = kDialogClass;
    std::optional<std::string> caption;  // exact; any caption when empty
    HWND owner = nullptr;                // the owner it must have; any owner when null
    std::string description;             // names the window in failure messages
    bool visibleOnly = true;             // false: hidden windows count too
};

// The first top-level window that matches, or null.
HWND FindWindowLike(const WantedWindow& wanted);
// Every top-level window that matches, in z-order.
std::vector<HWND> FindWindowsLike(const WantedWindow& wanted);

HWND WaitForWindow(const WantedWindow& wanted, Milliseconds timeout = kDefaultTimeout);
// Waits until no window matches, for example after a dialog was answered.
void WaitForNoWindow(const WantedWindow& wanted, Milliseconds timeout = kDefaultTimeout);

// A direct child of `parent` with the control id `id`.
HWND WaitForControl(HWND parent, int id, Milliseconds timeout = kDefaultTimeout);

// The direct children of `parent` in z-order, which for a dialog is its template order.
std::vector<HWND> ChildrenOf(HWND parent);

// "control 1006 (Edit) of "Brenvale"" and the like, for failure messages.
std::string Describe(HWND window);

}  // namespace gui_driver
