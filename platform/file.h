// Binary file access in the few ways Brenvale opens files, and the folder operations of a
// save run. Every call returns 0 or the system's error code; what the user reads about a
// failure (FileError) is made of that code where the message is made. Paths use the
// backslash as separator on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/owner.h"

namespace platform {

// Each mode fixes access, sharing and creation together.
enum class OpenMode {
    ReadExclusive,  // read an existing file; nobody else may open it meanwhile
    ReadDenyWrite,  // read an existing file; others may read it meanwhile, not write it
    Create,         // create or empty a file for writing; nobody else may open it meanwhile
    CreateNew,      // create a file for writing only when the name is free; others may read
                    // it meanwhile, but neither write, remove nor rename it. The file can be
                    // renamed through this handle (Rename) and read back (OpenUncachedReader).
};

struct CloseFileHandle {
    bool operator()(std::intptr_t handle) const noexcept;
};

class File {
public:
    // Opens the file; the file's absolute path is then Path().
    unsigned long Open(const std::string& path, OpenMode mode);
    // Opens `reader` on this file (opened with CreateNew) so that it reads what the disk holds,
    // not what the system keeps of the file in memory. Every read through `reader` must go
    // into a buffer whose address, and be of a length, that are multiples of its
    // ReadAlignment().
    unsigned long OpenUncachedReader(File& reader) const;
    bool IsOpen() const { return static_cast<bool>(handle_); }

    // Reads up to count bytes; `done` is 0 at the end of the file. A read through an uncached
    // reader whose buffer or length is off its alignment is refused before it reaches the
    // system, which would refuse it on Windows.
    unsigned long Read(void* buffer, std::size_t count, std::size_t& done);
    // Writes all count bytes.
    unsigned long Write(const void* buffer, std::size_t count);
    unsigned long SeekToBegin();
    unsigned long Size(std::uint64_t& size) const;
    // Writes what the system still holds of the file through to the disk.
    unsigned long Flush();
    // Closes the file; it is closed even when the system reports a failure.
    unsigned long Close();
    // Gives the open file (opened with CreateNew) the name `to` while it stays open; nothing
    // under that name, in any case, is ever replaced (IsNameTaken tells that refusal).
    unsigned long Rename(const std::string& to);

    // The absolute path the system resolved when the file was opened or renamed.
    const std::string& Path() const { return path_; }
    // 1, or the alignment an uncached reader's buffers and lengths must keep.
    std::size_t ReadAlignment() const { return alignment_; }

private:
    bool KeepsAlignment(const void* buffer, std::size_t count) const {
        return reinterpret_cast<std::uintptr_t>(buffer) % alignment_ == 0 &&
               count % alignment_ == 0;
    }

    Owner<std::intptr_t, CloseFileHandle, -1> handle_;
    std::string path_;
    std::size_t alignment_ = 1;
};

// Whether a failed creation or rename found the name taken.
bool IsNameTaken(unsigned long code);
// The code of a name that is taken, for a name a program looked for and found none free.
unsigned long NameTakenCode();

unsigned long RemoveFile(const std::string& path);
// Whether anything exists under the name.
bool Exists(const std::string& path);
// Puts the file `from` in the place of the file `to`, in one step; a read-only file is never
// replaced.
unsigned long MoveOver(const std::string& from, const std::string& to);

// Makes a new folder that the user's file manager does not show; fails when anything is
// under that name already.
unsigned long MakeHiddenFolder(const std::string& path);
// Removes the folder when it is empty.
unsigned long RemoveFolder(const std::string& path);
// Writes the folder's entries (names given, renames) through to the disk, where the system
// lets a program do that.
unsigned long FlushFolder(const std::string& path);

// Memory for an uncached reader: `size` bytes at an address that is a multiple of
// `alignment` (a power of two), or nothing when the memory is not there.
class AlignedBuffer {
public:
    AlignedBuffer(std::size_t size, std::size_t alignment);
    ~AlignedBuffer();
    AlignedBuffer(const AlignedBuffer&) = delete;
    AlignedBuffer& operator=(const AlignedBuffer&) = delete;

    unsigned char* Data() const { return data_; }
    std::size_t Size() const { return data_ ? size_ : 0; }

private:
    unsigned char* data_ = nullptr;
    std::size_t size_;
};

}  // namespace platform
