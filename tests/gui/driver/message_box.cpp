#include "driver/message_box.h"

#include "driver/controls.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

// A message box is a system dialog whose text is the static with id 0xFFFF; its icon is the
// static 0x440, which holds no icon in a box without one. The icon's handle belongs to the
// other process, but whether there is one shows here too.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kIconId = 0x440;

std::vector<int> ShownButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child : ChildrenOf(box)) {
        if (IsShown(child) && ClassOf(child) == "Button") ids.push_back(IdOf(child));
    }
    return ids;
}

}  // namespace

MessageBoxView WaitForMessageBox(DWORD processId, HWND owner, Milliseconds timeout) {
    const WantedWindow dialogs{processId, kDialogClass, std::nullopt, owner, ""};
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
    const HWND icon = GetDlgItem(box, kIconId);
    return {box,
            OwnerOf(box),
            TextOf(box),
            TextOf(GetDlgItem(box, kMessageTextId)),
            icon != nullptr && IsShown(icon) && AskWindow(icon, STM_GETICON) != 0,
            ShownButtons(box)};
}

void PressOk(const MessageBoxView& box, Milliseconds timeout) {
    Click(WaitForControl(box.window, IDOK, timeout));
    WaitFor([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); },
            "the message box \"" + box.caption + "\" to close", timeout);
}

}  // namespace gui_driver
