// The destination folder chooser: the shell's "Browse for Folder" window, opened at a given
// folder, a little larger than the shell makes it, and refusing anything that is not an
// existing, real folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/rect.h"

// The smallest output buffer BrowseForFolder accepts.
constexpr unsigned kChooserLeastOutputSize = 260;

// What the callback works with while one chooser is shown: the folders to open at, and
// what the last change of selection named and whether it was refused.
struct ChooserSelection {
    // In order: the first one the chooser can select is shown selected as it opens.
    std::vector<std::string> startFolders;
    std::string selected;
    bool changed = false;
    bool refused = false;
};

// Shows the chooser owned by `owner` and copies the chosen folder's path (no final
// backslash, except for a drive's root) into `folder`, whole. It opens at `initialFolder`
// or, when that no longer exists or cannot be selected, at the nearest folder above it that
// can; when there is none (no folder given, a drive that has gone, a name Windows keeps for
// a device), at the user's Pictures folder. False when the buffer is null or smaller than
// 260 (nothing shown, the buffer untouched), when the user cancelled, or when the chosen
// folder's path does not fit into the buffer whole; the buffer is then empty. Only folders
// of the file system whose paths the file calls take and the program's code page can hold
// can be chosen.
bool BrowseForFolder(HWND owner, const char* initialFolder, char* folder, unsigned size);

// The chooser's callback (`data` points to a ChooserSelection, or is null): at
// initialisation it removes the question-mark button and selects the first of the start
// folders that it can, each asked for twice when the chooser then shows another folder or
// none (Wine's shell sometimes ignores the first request when a folder on the way changed);
// then it lays the window out anew and shows the selected folder highlighted and in view,
// the tree focused. On a change of selection it disables OK for anything but an existing
// folder that is not a shortcut and whose path the program can take whole and, with a
// ChooserSelection, posts itself a request that disables OK again if the selection current
// when it arrives is refused, because Wine's chooser gives OK back after the callback has
// run.
int CALLBACK BrowseCallbackProc(HWND window, UINT message, LPARAM value, LPARAM data);

// Converts both corners of `rect` from screen coordinates to `window`'s client coordinates.
void ScreenRectToClient(HWND window, RECT& rect);

// Moves `window` to `rect` (in its parent's client coordinates, or the screen's for a
// top-level window).
void MoveWindowToRect(HWND window, const framework::Rect& rect, BOOL repaint);
