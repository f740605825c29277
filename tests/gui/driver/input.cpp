#include "driver/input.h"

#include "driver/controls.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageA(window, message, wParam, lParam)) {
        throw DriverError("cannot post message " + std::to_string(message) + " to " +
                          Describe(window));
    }
}

// The lParam of a key message: repeat count 1, the key's scan code, and for a release the
// previous-state and transition bits.
LPARAM KeyData(WORD virtualKey, bool release) {
    const UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | (static_cast<LPARAM>(scanCode) << 16);
    if (release) data |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    return data;
}

}  // namespace

void Click(HWND button) {
    if (!IsWindow(button)) throw DriverError("cannot click: no such button");
    if (!IsEnabled(button)) throw DriverError("cannot click " + Describe(button) + ": disabled");
    Post(button, BM_CLICK, 0, 0);
}

void MoveFocusTo(HWND dialog, HWND control) {
    AskWindow(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void PressKey(HWND target, WORD virtualKey) {
    Post(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    // A key that closes its window (Escape, Enter) may have done so before its release.
    if (!PostMessageA(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true)) &&
        IsWindow(target)) {
        throw DriverError("cannot post the release of key " + std::to_string(virtualKey) + " to " +
                          Describe(target));
    }
}

void TypeText(HWND target, const std::string& text) {
    for (const char c : text) Post(target, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void CloseWindowOf(HWND window) {
    Post(window, WM_CLOSE, 0, 0);
}

void PostSystemCommand(HWND window, WPARAM command) {
    Post(window, WM_SYSCOMMAND, command, 0);
}

void ChooseSystemMenuItem(HWND window, char mnemonic, Milliseconds timeout) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    Post(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    // The open menu is a popup of the system's menu class in the program's process; only
    // once it is there does the menu's own loop read the key.
    const WantedWindow menu{processId, "#32768", std::nullopt, nullptr,
                            "the system menu of " + Describe(window)};
    WaitForWindow(menu, timeout);
    Post(window, WM_CHAR, static_cast<unsigned char>(mnemonic), 1);
    WaitForNoWindow(menu, timeout);
}

void MovePointerTo(POINT screenPoint) {
    // Absolute mouse coordinates run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screenPoint.x, 65535, width - 1);
    input.mi.dy = MulDiv(screenPoint.y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (SendInput(1, &input, sizeof input) != 1) {
        throw DriverError("cannot move the mouse pointer (error " + std::to_string(GetLastError()) +
                          ")");
    }
}

void ClickWithMouse(HWND window) {
    // A click reaches a window only once it takes input, that is once it is in front.
    const HWND topLevel = GetAncestor(window, GA_ROOT);
    WaitFor([&] { return GetForegroundWindow() == topLevel; },
            Describe(topLevel) + " to be the active window before a click");
    MovePointerTo(CenterOf(window));
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    if (SendInput(2, clicks, sizeof clicks[0]) != 2) {
        throw DriverError("cannot click the mouse on " + Describe(window) + " (error " +
                          std::to_string(GetLastError()) + ")");
    }
}

POINT CenterOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace gui_driver
