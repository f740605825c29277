// Folders and files made the way a user's appear: by a program of the computer outside
// Wine (a file manager, a card reader, a shell), not by this Wine process. On Windows,
// where nothing is outside, the same Win32 calls as a file manager's are made.
#pragma once

#include <string>
#include <vector>

namespace gui_driver {

// Whether the tests run under Wine and can start programs of the Linux host.
bool CanWorkOutside();

// Makes the folder and any missing folder above it.
void MakeFoldersOutside(const std::string& folder);
// Sets the last-write time of the file or folder to `minutes` minutes ago, as if that
// much time had passed since it last changed.
void BackdateOutside(const std::string& path, int minutes);
// Removes the empty folder.
void RemoveFolderOutside(const std::string& folder);
// Writes `bytes` into each of the files `names` in `folder`, in one go.
void WriteFilesOutside(const std::string& folder, const std::vector<std::string>& names,
                       const std::string& bytes);

}  // namespace gui_driver
