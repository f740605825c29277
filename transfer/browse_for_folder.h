// The destination folder chooser: the shell's "Browse for Folder" window, opened at a given
// folder, a little larger than the shell makes it, and refusing anything that is not an
// existing, real folder.
#pragma once

#include <windows.h>

#include "framework/rect.h"

// Room of the chooser's text buffers, and how much of the initial folder is used.
constexpr unsigned kChooserPathRoom = 520;
constexpr unsigned kChooserInitialFolderBytes = 518;
// The smallest output buffer BrowseForFolder accepts.
constexpr unsigned kChooserLeastOutputSize = 260;

// What the callback works with while one chooser is shown: the folder to open at, the
// folder the last change of selection named, and whether that selection was refused.
struct ChooserSelection {
    char initialFolder[kChooserPathRoom];
    char selected[kChooserPathRoom];
    bool changed;
    bool refused;
};

// Shows the chooser owned by `owner`, starting at `initialFolder` (when null or empty:
// the user's Pictures folder, or the current directory when there is none), and copies the
// chosen folder's path (no final backslash, except for a drive's root) into `folder`, at
// most size - 1 bytes. False when the buffer is null or smaller than 260 (nothing shown,
// the buffer untouched), when the user cancelled, or when the chosen item has no path in
// the file system; the buffer is then empty.
bool BrowseForFolder(HWND owner, const char* initialFolder, char* folder, unsigned size);

// The chooser's callback (`data` points to a ChooserSelection, or is null): at
// initialisation it removes the question-mark button, selects the initial folder, and
// selects it once more when the chooser then shows another folder or none (Wine's shell
// sometimes ignores the first request when a folder on the way changed); then it lays the
// window out anew and shows the selected folder highlighted and in view, the tree focused.
// On a change of selection it disables OK for anything but an existing folder that is not a
// shortcut and, with a ChooserSelection, posts itself a request that disables OK again if
// the selection current when it arrives is refused, because Wine's chooser gives OK back
// after the callback has run.
int CALLBACK BrowseCallbackProc(HWND window, UINT message, LPARAM value, LPARAM data);

// Converts both corners of `rect` from screen coordinates to `window`'s client coordinates.
void ScreenRectToClient(HWND window, RECT& rect);

// Moves `window` to `rect` (in its parent's client coordinates, or the screen's for a
// top-level window).
void MoveWindowToRect(HWND window, const framework::Rect& rect, BOOL repaint);
