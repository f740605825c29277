// Working the program under test as its user would: clicks, keys, typed text, the system
// menu, the mouse pointer. Everything is posted, so that a window that opens a modal
// dialog in answer does not block the test.
#pragma once

#include <windows.h>

#include <string>

#include "driver/wait.h"

namespace gui_driver {

// Clicks a button (BM_CLICK). A disabled button cannot be clicked: throws DriverError,
// because the system would still deliver the click.
void Click(HWND button);

// Moves the keyboard focus to a control of a dialog the way the dialog manager does it
// (WM_NEXTDLGCTL), which also updates the default push button.
void MoveFocusTo(HWND dialog, HWND control);

// A key pressed and released on `target`, normally the focused control; the program's
// dialog manager sees it as typed (Tab, Enter, Escape, arrows).
void PressKey(HWND target, WORD virtualKey);
// Characters typed into `target`.
void TypeText(HWND target, const std::string& text);

// Asks a window to close, as its title bar's close button does (WM_CLOSE).
void CloseWindowOf(HWND window);
// A system command as choosing a system-menu item sends it (WM_SYSCOMMAND).
void PostSystemCommand(HWND window, WPARAM command);
// Opens the window's system menu from the keyboard (Alt+Space) and chooses the item
// with the mnemonic `mnemonic`.
void ChooseSystemMenuItem(HWND window, char mnemonic, Milliseconds timeout = kDefaultTimeout);

// A click of the left mouse button on the centre of `window`, as the user makes it: the
// window under the pointer gets it, and a control takes the focus.
void ClickWithMouse(HWND window);

// Moves the mouse pointer to a point of the screen, as a moving mouse does.
void MovePointerTo(POINT screenPoint);
POINT CenterOf(HWND window);

}  // namespace gui_driver
