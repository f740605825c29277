#include "driver/controls.h"

#include <commctrl.h>

#include <vector>

#include "driver/wait.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

std::optional<LRESULT> TryAsk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kDefaultTimeout.count()), &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

// A hung program must fail the test, not hang it: hence the timeout.
LRESULT AskWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto answer = TryAsk(window, message, wParam, lParam);
    if (!answer) {
        throw DriverError("no answer to message " + std::to_string(message) + " from " +
                          Describe(window));
    }
    return *answer;
}

std::optional<std::string> TryTextOf(HWND window) {
    const auto length = TryAsk(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length) return std::nullopt;
    std::vector<char> text(static_cast<size_t>(*length) + 1, '\0');
    const auto copied =
        TryAsk(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!copied) return std::nullopt;
    return std::string(text.data(), static_cast<size_t>(*copied));
}

std::string TextOf(HWND window) {
    auto text = TryTextOf(window);
    if (!text) throw DriverError("no text from " + Describe(window));
    return *text;
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
    return static_cast<int>(AskWindow(button, BM_GETCHECK));
}

int ProgressPositionOf(HWND progressBar) {
    return static_cast<int>(AskWindow(progressBar, PBM_GETPOS));
}

ProgressRange ProgressRangeOf(HWND progressBar) {
    return {static_cast<int>(AskWindow(progressBar, PBM_GETRANGE, TRUE)),
            static_cast<int>(AskWindow(progressBar, PBM_GETRANGE, FALSE))};
}

void SetProgressPosition(HWND progressBar, int position) {
    AskWindow(progressBar, PBM_SETPOS, static_cast<WPARAM>(position));
}

Selection SelectionOf(HWND edit) {
    // With no pointers EM_GETSEL answers in its result, which crosses processes.
    const auto packed = static_cast<DWORD>(AskWindow(edit, EM_GETSEL));
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
    const auto answer = static_cast<DWORD>(AskWindow(dialog, DM_GETDEFID));
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
}

}  // namespace gui_driver
