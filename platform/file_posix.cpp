// File access through POSIX calls, for the native build and its tests. Backslashes in
// paths are taken as separators. POSIX has no share modes: the modes that keep others out
// do not keep them out here, so sharing is only tested in the Windows build.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/file.h"
#include "platform/posix_path.h"

namespace platform {

namespace {

// What an uncached reader asks of its buffers: a block of every common disk.
constexpr std::size_t kUncachedAlignment = 4096;

unsigned long LastError() {
    return static_cast<unsigned long>(errno);
}

unsigned long AbsolutePath(const std::string& path, std::string& absolute) {
    std::string result = posix::ToPosixPath(path);
    if (result.empty() || result[0] != '/') {
        char* cwd = ::getcwd(nullptr, 0);
        if (!cwd) return LastError();
        result = std::string(cwd) + "/" + result;
        ::free(cwd);
    }
    absolute = posix::FromPosixPath(std::move(result));
    return 0;
}

}  // namespace

bool CloseFileHandle::operator()(std::intptr_t handle) const noexcept {
    return ::close(static_cast<int>(handle)) == 0;
}

unsigned long File::Open(const std::string& path, OpenMode mode) {
    handle_.Close();
    path_.clear();
    alignment_ = 1;
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
    std::string absolute;
    if (const unsigned long code = AbsolutePath(path, absolute)) return code;
    const int fd = ::open(posix::ToPosixPath(path).c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) return LastError();
    Owner<std::intptr_t, CloseFileHandle, -1> opened(fd);
    // Windows refuses to open a folder as a file; so does Brenvale everywhere.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) return EISDIR;
    handle_ = std::move(opened);
    path_ = std::move(absolute);
    return 0;
}

unsigned long File::OpenUncachedReader(File& reader) const {
    reader.handle_.Close();
    const std::string path = posix::ToPosixPath(path_);
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
    if (fd < 0 && errno == EINVAL) {
        // A file system without direct reads (tmpfs, some FUSE ones): what is on the disk is
        // read once the system has let go of the pages it kept.
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            // posix_fadvise returns its error rather than setting errno.
            const int code =
                ::fdatasync(fd) != 0 ? errno : ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            if (code != 0) {
                ::close(fd);
                return static_cast<unsigned long>(code);
            }
        }
    }
    if (fd < 0) return LastError();
    reader.handle_ = Owner<std::intptr_t, CloseFileHandle, -1>(fd);
    reader.path_ = path_;
    reader.alignment_ = kUncachedAlignment;
    return 0;
}

unsigned long File::Read(void* buffer, std::size_t count, std::size_t& done) {
    done = 0;
    if (!KeepsAlignment(buffer, count)) return EINVAL;
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(handle_.Get()), buffer, count);
        if (got >= 0) {
            done = static_cast<std::size_t>(got);
            return 0;
        }
        if (errno != EINTR) return LastError();
    }
}

unsigned long File::Write(const void* buffer, std::size_t count) {
    const char* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        const ssize_t put = ::write(static_cast<int>(handle_.Get()), bytes, count);
        if (put == 0) return ENOSPC;
        if (put < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        bytes += put;
        count -= static_cast<std::size_t>(put);
    }
    return 0;
}

unsigned long File::SeekToBegin() {
    return ::lseek(static_cast<int>(handle_.Get()), 0, SEEK_SET) < 0 ? LastError() : 0;
}

unsigned long File::Size(std::uint64_t& size) const {
    struct stat info {};
    if (::fstat(static_cast<int>(handle_.Get()), &info) != 0) return LastError();
    size = static_cast<std::uint64_t>(info.st_size);
    return 0;
}

unsigned long File::Flush() {
    return ::fsync(static_cast<int>(handle_.Get())) != 0 ? LastError() : 0;
}

unsigned long File::Close() {
    if (!handle_) return 0;
    return handle_.Close() ? 0 : LastError();
}

unsigned long File::Rename(const std::string& to) {
    std::string absolute;
    if (const unsigned long code = AbsolutePath(to, absolute)) return code;
    const std::string source = posix::ToPosixPath(path_);
    const std::string target = posix::ToPosixPath(absolute);
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS) return LastError();
        // A file system without the flag: a second link refuses a taken name just as well.
        if (::link(source.c_str(), target.c_str()) != 0) return LastError();
        ::unlink(source.c_str());
    }
    path_ = std::move(absolute);
    return 0;
}

bool IsNameTaken(unsigned long code) {
    return code == EEXIST || code == ENOTEMPTY;
}

unsigned long NameTakenCode() {
    return EEXIST;
}

unsigned long RemoveFile(const std::string& path) {
    return ::unlink(posix::ToPosixPath(path).c_str()) != 0 ? LastError() : 0;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(posix::ToPosixPath(path).c_str(), &info) == 0;
}

unsigned long MoveOver(const std::string& from, const std::string& to) {
    // As on Windows, a read-only file is never replaced.
    struct stat info {};
    if (::stat(posix::ToPosixPath(to).c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0)
        return EACCES;
    return std::rename(posix::ToPosixPath(from).c_str(), posix::ToPosixPath(to).c_str()) != 0
               ? LastError()
               : 0;
}

unsigned long MakeHiddenFolder(const std::string& path) {
    return ::mkdir(posix::ToPosixPath(path).c_str(), 0777) == 0 ? 0 : LastError();
}

unsigned long RemoveFolder(const std::string& path) {
    return ::rmdir(posix::ToPosixPath(path).c_str()) != 0 ? LastError() : 0;
}

unsigned long FlushFolder(const std::string& path) {
    const int fd = ::open(posix::ToPosixPath(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return LastError();
    const Owner<std::intptr_t, CloseFileHandle, -1> folder(fd);
    return ::fsync(fd) != 0 ? LastError() : 0;
}

AlignedBuffer::AlignedBuffer(std::size_t size, std::size_t alignment) : size_(size) {
    void* memory = nullptr;
    if (::posix_memalign(&memory, alignment, size) == 0)
        data_ = static_cast<unsigned char*>(memory);
}

AlignedBuffer::~AlignedBuffer() {
    std::free(data_);
}

}  // namespace platform
