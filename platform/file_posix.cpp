// File access through POSIX calls, for the native build and its tests. Backslashes in
// paths are taken as separators. POSIX has no share modes: Read and ReadDenyWrite do
// not keep others out here, so sharing is only tested in the Windows build.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/native_file.h"
#include "platform/posix_path.h"

namespace platform::native {

namespace {

int AsFd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

}  // namespace

unsigned long Open(const std::string& path, OpenMode mode, std::intptr_t& handle) {
    int flags = O_RDONLY;
    switch (mode) {
        case OpenMode::ReadExclusive:
        case OpenMode::ReadDenyWrite:
            break;
        case OpenMode::Create:
            flags = O_WRONLY | O_CREAT | O_TRUNC;
            break;
        case OpenMode::CreateNew:
            flags = O_WRONLY | O_CREAT | O_EXCL;
            break;
    }
    if (path.empty()) return ENOENT;
    const int fd = ::open(posix::ToPosixPath(path).c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) return static_cast<unsigned long>(errno);
    // Windows refuses to open a folder as a file; so does Brenvale everywhere.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return EISDIR;
    }
    handle = fd;
    return 0;
}

unsigned long FullPath(const std::string& path, std::string& fullPath) {
    std::string result = posix::ToPosixPath(path);
    if (result.empty() || result[0] != '/') {
        char* cwd = ::getcwd(nullptr, 0);
        if (!cwd) return static_cast<unsigned long>(errno);
        result = std::string(cwd) + "/" + result;
        ::free(cwd);
    }
    fullPath = posix::FromPosixPath(std::move(result));
    return 0;
}

unsigned long Read(std::intptr_t handle, void* buffer, std::size_t count, std::size_t& done) {
    for (;;) {
        const ssize_t got = ::read(AsFd(handle), buffer, count);
        if (got >= 0) {
            done = static_cast<std::size_t>(got);
            return 0;
        }
        if (errno != EINTR) return static_cast<unsigned long>(errno);
    }
}

unsigned long Write(std::intptr_t handle, const void* buffer, std::size_t count,
                    std::size_t& done) {
    for (;;) {
        const ssize_t put = ::write(AsFd(handle), buffer, count);
        if (put > 0 || (put == 0 && count == 0)) {
            done = static_cast<std::size_t>(put);
            return 0;
        }
        if (put == 0) return ENOSPC;
        if (errno != EINTR) return static_cast<unsigned long>(errno);
    }
}

unsigned long SeekToBegin(std::intptr_t handle) {
    return ::lseek(AsFd(handle), 0, SEEK_SET) < 0 ? static_cast<unsigned long>(errno) : 0;
}

unsigned long Close(std::intptr_t handle) {
    return ::close(AsFd(handle)) != 0 ? static_cast<unsigned long>(errno) : 0;
}

unsigned long Remove(const std::string& path) {
    return ::unlink(posix::ToPosixPath(path).c_str()) != 0 ? static_cast<unsigned long>(errno) : 0;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(posix::ToPosixPath(path).c_str(), &info) == 0;
}

unsigned long Replace(const std::string& from, const std::string& to) {
    // As on Windows, a read-only file is never replaced.
    struct stat info {};
    if (::stat(posix::ToPosixPath(to).c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0)
        return EACCES;
    return std::rename(posix::ToPosixPath(from).c_str(), posix::ToPosixPath(to).c_str()) != 0
               ? static_cast<unsigned long>(errno)
               : 0;
}

unsigned long Flush(std::intptr_t handle) {
    return ::fsync(AsFd(handle)) != 0 ? static_cast<unsigned long>(errno) : 0;
}

unsigned long RenameOpen(std::intptr_t /*handle*/, const std::string& from, const std::string& to) {
    const std::string source = posix::ToPosixPath(from);
    const std::string target = posix::ToPosixPath(to);
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) return static_cast<unsigned long>(errno);
    // A file system without the flag: a second link refuses a taken name just as well.
    if (::link(source.c_str(), target.c_str()) != 0) return static_cast<unsigned long>(errno);
    ::unlink(source.c_str());
    return 0;
}

bool IsNameTaken(unsigned long code) {
    return code == EEXIST || code == ENOTEMPTY;
}

unsigned long MakeHiddenFolder(const std::string& path) {
    const std::string folder = posix::ToPosixPath(path);
    return ::mkdir(folder.c_str(), 0777) == 0 ? 0 : static_cast<unsigned long>(errno);
}

unsigned long RemoveFolder(const std::string& path) {
    return ::rmdir(posix::ToPosixPath(path).c_str()) != 0 ? static_cast<unsigned long>(errno) : 0;
}

unsigned long FlushFolder(const std::string& path) {
    const int folder = ::open(posix::ToPosixPath(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) return static_cast<unsigned long>(errno);
    const unsigned long code = ::fsync(folder) != 0 ? static_cast<unsigned long>(errno) : 0;
    ::close(folder);
    return code;
}

}  // namespace platform::native
