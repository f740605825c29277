// A folder's entries through FindFirstFileA, with the attributes Explorer goes by.
#include "platform/folder_win32.h"

#include "platform/owner_win32.h"

namespace platform {

namespace {

struct CloseSearch {
    bool operator()(HANDLE search) const noexcept { return FindClose(search) != FALSE; }
};
// A search through a folder's entries (FindFirstFileA).
using OwnedSearch = Owner<HANDLE, CloseSearch>;

// The search pattern for every entry of the folder; "E:\" and "E:" keep their meaning.
std::string AllEntriesOf(const std::string& folder) {
    if (folder.empty()) return "*";
    const char last = folder.back();
    return folder + (last == '\\' || last == '/' || last == ':' ? "*" : "\\*");
}

}  // namespace

FolderEntry FolderEntryOf(const WIN32_FIND_DATAA& found) {
    FolderEntry entry;
    entry.name = found.cFileName;
    entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isHidden =
        (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // The tag is in dwReserved0. Wine marks a Linux symbolic link to a folder as a
        // reparse point without a tag (0, which no reparse point of Windows carries).
        const DWORD tag = found.dwReserved0;
        entry.isLink = tag == 0 || IsReparseTagNameSurrogate(tag);
    }
    entry.size = (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    entry.writeTime =
        (static_cast<unsigned long long>(found.ftLastWriteTime.dwHighDateTime) << 32) |
        found.ftLastWriteTime.dwLowDateTime;
    return entry;
}

bool IsFolder(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

unsigned long ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    WIN32_FIND_DATAA found{};
    const HANDLE first = FindFirstFileA(AllEntriesOf(folder).c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        // An empty drive's root (and an empty folder of some network drives) has not even
        // "." to give: nothing found in a folder that is there means an empty folder.
        return code == ERROR_FILE_NOT_FOUND && IsFolder(folder) ? 0 : code;
    }
    const OwnedSearch search(first);
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back(FolderEntryOf(found));
    } while (FindNextFileA(search.Get(), &found));
    const DWORD code = GetLastError();
    return code == ERROR_NO_MORE_FILES ? 0 : code;
}

bool IdentityOf(const std::string& path, FileIdentity& identity) {
    // Opened for its attributes alone, shared with everyone: nothing else is held off.
    const HANDLE opened = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const OwnedHandle file(opened);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.Get(), &information)) return false;
    identity.volume = information.dwVolumeSerialNumber;
    identity.index = (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) |
                     information.nFileIndexLow;
    return true;
}

}  // namespace platform
