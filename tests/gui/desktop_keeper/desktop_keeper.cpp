// Keeps Wine's desktop open during a run of the GUI tests. Wine closes its desktop a
// second after the last program on it has ended, and a test runner then waits that second
// for every test; this program stays on the desktop, with a window that is never shown,
// until it is ended. Once it is on the desktop it creates the file named on its command
// line, so that the script that started it knows when the tests may begin.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR readyFile, int) {
    const HWND hidden = CreateWindowExA(0, "STATIC", "desktop keeper", WS_POPUP, 0, 0, 1, 1,
                                        nullptr, nullptr, instance, nullptr);
    if (hidden == nullptr) return 1;
    const HANDLE ready = CreateFileA(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready == INVALID_HANDLE_VALUE) return 2;
    CloseHandle(ready);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
