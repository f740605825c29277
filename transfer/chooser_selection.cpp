#include "transfer/chooser_selection.h"

#include <cctype>

#include "platform/folder.h"

namespace transfer {

namespace {

// The positions of the path's backslashes, read character by character in the code page.
// A backslash always stands alone, so the text after one starts with a whole character.
std::vector<std::size_t> Backslashes(const std::string& path, unsigned codePage) {
    std::vector<std::size_t> found;
    for (std::size_t from = 0; from < path.size();) {
        const std::size_t at = platform::FindFirstOf(path.substr(from), "\\", codePage);
        if (at == std::string::npos) break;
        found.push_back(from + at);
        from += at + 1;
    }
    return found;
}

// The folder without its final backslash, unless that backslash is a drive root's.
std::string WithoutFinalBackslash(const std::string& folder, unsigned codePage) {
    const std::size_t last = platform::FindLastBackslash(folder, codePage);
    const bool final = last != std::string::npos && last + 1 == folder.size();
    const bool driveRoot = folder.size() == 3 && folder[1] == ':';
    return final && !driveRoot ? folder.substr(0, last) : folder;
}

}  // namespace

// The shell gives the folder's name as the disk holds it, the settings file as it was written.
bool IsSameFolder(const std::string& selected, const std::string& wanted, unsigned codePage) {
    return !selected.empty() && platform::FoldedName(WithoutFinalBackslash(selected, codePage)) ==
                                    platform::FoldedName(WithoutFinalBackslash(wanted, codePage));
}

std::vector<std::string> FoldersToOpenAt(const std::string& remembered, unsigned codePage) {
    const std::vector<std::size_t> backslashes = Backslashes(remembered, codePage);
    // Where the names below the root begin: after "D:\" or after "\\server\share\".
    std::size_t first = 0;
    std::string root;
    const bool drive = remembered.size() >= 3 &&
                       std::isalpha(static_cast<unsigned char>(remembered[0])) &&
                       remembered[1] == ':' && remembered[2] == '\\';
    if (drive) {
        root = remembered.substr(0, 3);
        first = 1;  // the drive's backslash is the first
    } else if (backslashes.size() >= 2 && backslashes[0] == 0 && backslashes[1] == 1) {
        // A share: a server and a share name, neither empty; "\\.\" and "\\?\" are the
        // system's own ways to devices and are none.
        const std::size_t serverEnd = backslashes.size() > 2 ? backslashes[2] : remembered.size();
        const std::size_t shareEnd = backslashes.size() > 3 ? backslashes[3] : remembered.size();
        const std::string server = remembered.substr(2, serverEnd - 2);
        if (server.empty() || server == "." || server == "?" || shareEnd <= serverEnd + 1) {
            return {};
        }
        root = remembered.substr(0, shareEnd);
        first = 4;
    } else {
        return {};
    }

    // The root, then each folder on the way down; an empty name (a doubled or final
    // backslash) adds none. Below a device's name nothing can be opened.
    std::vector<std::string> downward = {root};
    for (std::size_t i = first; i <= backslashes.size(); ++i) {
        const std::size_t begin = backslashes[i - 1] + 1;
        const std::size_t end = i < backslashes.size() ? backslashes[i] : remembered.size();
        if (begin >= end) continue;
        if (platform::IsDeviceName(remembered.substr(begin, end - begin))) break;
        downward.push_back(remembered.substr(0, end));
    }
    return std::vector<std::string>(downward.rbegin(), downward.rend());
}

}  // namespace transfer
