// Reading the state of another process's windows and controls. Texts go through
// WM_GETTEXT: GetWindowTextA across processes gives nothing for edits.
#pragma once

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>

namespace gui_driver {

// Sends a message whose answer needs no memory of this process (no pointers), and returns
// the answer. A program that does not answer within the default timeout fails the test.
LRESULT AskWindow(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::string TextOf(HWND window);
// The text, or nothing when the window has gone meanwhile or does not answer.
std::optional<std::string> TryTextOf(HWND window);
std::string ClassOf(HWND window);
int IdOf(HWND window);
bool IsEnabled(HWND window);
bool IsShown(HWND window);
LONG StyleOf(HWND window);
LONG ExStyleOf(HWND window);
HWND OwnerOf(HWND window);

// The window with the keyboard focus in the user-interface thread that owns `window`.
HWND FocusIn(HWND window);

// BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
int CheckStateOf(HWND button);
int ProgressPositionOf(HWND progressBar);
struct ProgressRange {
    int low;
    int high;
};
ProgressRange ProgressRangeOf(HWND progressBar);
// Sets the position from outside, as a run of the program would have left it.
void SetProgressPosition(HWND progressBar, int position);

struct Selection {
    DWORD start;
    DWORD end;
    bool operator==(const Selection& other) const {
        return start == other.start && end == other.end;
    }
};
inline std::ostream& operator<<(std::ostream& out, const Selection& selection) {
    return out << "selection " << selection.start << ".." << selection.end;
}
Selection SelectionOf(HWND edit);

// The window's rectangle in the client coordinates of `ancestor`.
RECT RectIn(HWND window, HWND ancestor);
SIZE ClientSizeOf(HWND window);

// The default push button's id of a dialog (DM_GETDEFID), or 0 when it has none.
int DefaultButtonIdOf(HWND dialog);

}  // namespace gui_driver
