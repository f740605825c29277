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
    // A name that leads somewhere else (a symbolic link, a junction, a mount point):
    // following it could lead back into the folder that holds it, or reach a photo that is
    // also found under its own name. Placeholders of synced, deduplicated or archived files
    // and folders are no links: they stand where they are.
    bool isLink = false;
    // The file's size and last-write time (in the system's own unit) as the folder lists
    // them: two names of one file show the same.
    unsigned long long size = 0;
    unsigned long long writeTime = 0;
};

// A file name as Windows compares names: ASCII letters in lower case, every other byte as
// it is.
std::string FoldedName(std::string name);

// Whether Windows takes the path's last name for a device (CON, PRN, AUX, NUL, COM1 to
// COM9, LPT1 to LPT9), whatever extension follows it, in any case, with blanks before the
// extension: opening "E:\DCIM\NUL.jpg" or "COM1 .JPG" opens the device, not the file.
bool IsDeviceName(const std::string& path);

// Whether the path names an existing folder (a drive's root included).
bool IsFolder(const std::string& path);

// The folder's entries, without "." and "..", in the order the system gives them. Returns 0,
// or the system's error code when the folder cannot be read.
unsigned long ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries);

// What tells a file from every other: two paths with the same identity name one file.
struct FileIdentity {
    unsigned long long volume = 0;
    unsigned long long index = 0;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
};

// The identity of the file at the path, through any link; false when it cannot be known.
// Only what the system keeps about the file is read, never its bytes.
bool IdentityOf(const std::string& path, FileIdentity& identity);

}  // namespace platform
