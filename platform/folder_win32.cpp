// A folder's entries through FindFirstFileA, with the attributes Explorer goes by.
#include <windows.h>

#include "platform/folder.h"

namespace platform {

namespace {

// The search pattern for every entry of the folder; "E:\" and "E:" keep their meaning.
std::string AllEntriesOf(const std::string& folder) {
    if (folder.empty()) return "*";
    const char last = folder.back();
    return folder + (last == '\\' || last == '/' || last == ':' ? "*" : "\\*");
}

}  // namespace

bool IsFolder(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

unsigned long ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(AllEntriesOf(folder).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        // An empty drive's root has not even "." to give.
        return code == ERROR_FILE_NOT_FOUND ? 0 : code;
    }
    DWORD code = 0;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        FolderEntry entry;
        entry.name = name;
        entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isHidden =
            (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
        entry.isLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back(std::move(entry));
    } while (FindNextFileA(search, &found));
    code = GetLastError();
    FindClose(search);
    return code == ERROR_NO_MORE_FILES ? 0 : code;
}

}  // namespace platform
