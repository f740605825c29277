// The file operations of a save run, one virtual call each, so that a test can stand
// between the run and the disk: make one step fail, or count what reaches the folder.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/folder.h"

namespace platform {

enum class MoveResult {
    Moved,
    NameTaken,  // something is under the new name already; nothing was changed
    Failed,
};

// The system's disk; the calls do what File's do and report failures the same way.
class Disk {
public:
    Disk();
    virtual ~Disk();
    Disk(const Disk&) = delete;
    Disk& operator=(const Disk&) = delete;

    // The folder's entries, files and folders alike; false with *error when the folder
    // cannot be read.
    virtual bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries,
                            FileError* error);
    // A new folder that the user's file manager does not show; false with *error when
    // anything is under that name already, or the folder cannot be made.
    virtual bool MakeHiddenFolder(const std::string& path, FileError* error);
    // Removes the folder when it is empty; reports nothing.
    virtual void TryRemoveFolder(const std::string& path) noexcept;

    virtual bool Open(File& file, const std::string& path, OpenMode mode, FileError* error);
    virtual std::size_t Read(File& file, void* buffer, std::size_t count);
    virtual void Write(File& file, const void* buffer, std::size_t count);
    virtual void Flush(File& file);
    virtual void Close(File& file);
    // Writes the folder's entries through to the disk, where the system lets a program do
    // that; reports nothing.
    virtual void TryFlushFolder(const std::string& path) noexcept;

    // Gives the open file (opened with CreateNew) the name to; never replaces anything
    // under that name.
    virtual MoveResult Rename(File& file, const std::string& to, FileError* error);
    virtual void TryRemove(const std::string& path) noexcept;
};

}  // namespace platform
