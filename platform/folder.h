// What Brenvale reads of a folder: whether a path names one, and its entries with what a
// file manager needs to know to show them or not. One implementation per platform.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    // A file manager does not show it: hidden or system on Windows, a dot name elsewhere.
    bool isHidden = false;
    // A link to somewhere else (a junction, a symbolic link): following it could lead back
    // into the folder that holds it.
    bool isLink = false;
};

// A file name as Windows compares names: ASCII letters in lower case, every other byte as
// it is.
std::string FoldedName(std::string name);

// Whether the path names an existing folder (a drive's root included).
bool IsFolder(const std::string& path);

// The folder's entries, without "." and "..", in the order the system gives them. Returns 0,
// or the system's error code when the folder cannot be read.
unsigned long ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries);

}  // namespace platform
