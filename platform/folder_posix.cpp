// A folder's entries through opendir and lstat, for the native build and its tests.
// Backslashes in paths are taken as separators; a dot name is hidden, as file managers
// have it.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/folder.h"
#include "platform/posix_path.h"

namespace platform {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(posix::ToPosixPath(path).c_str(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

unsigned long ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    const std::string where = posix::ToPosixPath(folder.empty() ? "." : folder);
    DIR* dir = ::opendir(where.c_str());
    if (!dir) return static_cast<unsigned long>(errno);
    errno = 0;
    while (const dirent* found = ::readdir(dir)) {
        const std::string name = found->d_name;
        if (name == "." || name == "..") continue;
        FolderEntry entry;
        entry.name = name;
        entry.isHidden = name[0] == '.';
        const std::string path = where + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
            // A link to a file as much as one to a folder.
            entry.isLink = true;
            // What the link leads to decides whether it is a folder or a file.
            if (::stat(path.c_str(), &info) != 0) info = {};
        }
        entry.isFolder = S_ISDIR(info.st_mode);
        entry.size = static_cast<unsigned long long>(info.st_size);
        entry.writeTime = static_cast<unsigned long long>(info.st_mtim.tv_sec) * 1000000000ULL +
                          static_cast<unsigned long long>(info.st_mtim.tv_nsec);
        entries.push_back(std::move(entry));
        errno = 0;
    }
    const int code = errno;
    ::closedir(dir);
    return static_cast<unsigned long>(code);
}

bool IdentityOf(const std::string& path, FileIdentity& identity) {
    struct stat info {};
    if (::stat(posix::ToPosixPath(path).c_str(), &info) != 0) return false;
    identity.volume = static_cast<unsigned long long>(info.st_dev);
    identity.index = static_cast<unsigned long long>(info.st_ino);
    return true;
}

}  // namespace platform
