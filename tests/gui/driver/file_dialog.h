// The system's open-file dialog as the program under test shows it: finding it, reading
// what it shows, and picking files in it as a user types their names.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver/wait.h"

namespace gui_driver {

// Control ids of the explorer-style open-file dialog.
inline constexpr int kFileNameField = 0x47c;  // ComboBoxEx32 with an inner edit
inline constexpr int kFileTypeList = 0x470;
inline constexpr int kLookInList = 0x471;
inline constexpr int kReadOnlyBox = 0x410;
inline constexpr int kHelpButton = 0x40e;

// Waits for the open-file dialog ("Open") of the process, owned by `owner`, with its
// file-name field in place.
HWND WaitForOpenFileDialog(DWORD processId, HWND owner, Milliseconds timeout = kDefaultTimeout);

// The folder the dialog shows, asked of the dialog itself (CDM_GETFOLDERPATH).
std::string CurrentFolderOf(HWND dialog);

// The names as the file-name field takes several: "a.jpg" "b.jpg".
std::string QuotedNames(const std::vector<std::string>& names);

// Puts `text` into the file-name field and presses Open, without waiting.
void EnterFileName(HWND dialog, const std::string& text);

// Picks files as the user does: opens `folder` when it is not empty (waiting until the
// dialog shows it), then enters `fileNames` (a full path, or quoted names in that folder)
// and presses Open; waits until the dialog has gone.
void PickFiles(HWND dialog, const std::string& folder, const std::string& fileNames,
               Milliseconds timeout = kDefaultTimeout);

// Presses Cancel and waits until the dialog has gone.
void CancelFileDialog(HWND dialog, Milliseconds timeout = kDefaultTimeout);

}  // namespace gui_driver
