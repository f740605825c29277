#include "driver/controls.h"

#include <commctrl.h>

#include <vector>

#include "driver/wait.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

// A message to another process's window, answered within the timeout or a DriverError:
// a hung program must fail the test, not hang it.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kDefaultTimeout.count()), &result)) {
        throw DriverError("no answer to message " + std::to_string(message) + " from " +
                          Describe(window));
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

std::string TextOf(HWND window) {
    const auto length = Ask(window, WM_GETTEXTLENGTH);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const auto copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), static_cast<size_t>(copied));
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

int IdOf(HWND window) {
    return GetDlgCtrlID(window);
}
bool IsEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}
bool IsShown(HWND window) {
    return IsWindowVisible(window) != FALSE;
}
LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}
LONG ExStyleOf(HWND window) {
    return GetWindowLongA(window, GWL_EXSTYLE);
}
HWND OwnerOf(HWND window) {
    return GetWindow(window, GW_OWNER);
}

HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

int CheckStateOf(HWND button) {
    return static_cast<int>(Ask(button, BM_GETCHECK));
}

int ProgressPositionOf(HWND progressBar) {
    return static_cast<int>(Ask(progressBar, PBM_GETPOS));
}

void SetProgressPosition(HWND progressBar, int position) {
    Ask(progressBar, PBM_SETPOS, static_cast<WPARAM>(position));
}

Selection SelectionOf(HWND edit) {
    // With no pointers EM_GETSEL answers in its result, which crosses processes.
    const auto packed = static_cast<DWORD>(Ask(edit, EM_GETSEL));
    return {LOWORD(packed), HIWORD(packed)};
}

RECT RectIn(HWND window, HWND ancestor) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, ancestor, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSizeOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int DefaultButtonIdOf(HWND dialog) {
    const auto answer = static_cast<DWORD>(Ask(dialog, DM_GETDEFID));
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
}

}  // namespace gui_driver
