#include "driver/message_box.h"

#include "driver/controls.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

// A message box is a system dialog whose text is the static with id 0xFFFF.
constexpr int kMessageTextId = 0xFFFF;

}  // namespace

MessageBoxView WaitForMessageBox(DWORD processId, HWND owner, Milliseconds timeout) {
    const WindowSpec dialogs{processId, kDialogClass, std::nullopt, owner, ""};
    const std::string what =
        "a message box" + (owner ? " owned by " + Describe(owner) : std::string());
    const HWND box = WaitFor(
        [&]() -> HWND {
            for (HWND dialog : FindWindowsLike(dialogs)) {
                if (GetDlgItem(dialog, kMessageTextId)) return dialog;
            }
            return nullptr;
        },
        what, timeout);
    return {box, OwnerOf(box), TextOf(box), TextOf(GetDlgItem(box, kMessageTextId))};
}

void PressOk(const MessageBoxView& box, Milliseconds timeout) {
    Click(WaitForControl(box.window, IDOK, timeout));
    WaitFor([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); },
            "the message box \"" + box.caption + "\" to close", timeout);
}

}  // namespace gui_driver
