// The file operations of a save run, one virtual call each, so that a test can stand
// between the run and the disk: make one step fail, or count what reaches the folder.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/file.h"

namespace platform {

enum class MoveResult {
    Moved,
    NameTaken,  // something is under the new name already; nothing was changed
    Failed,
};

// The system's disk; the calls do what File's do and report failures the same way.
class Disk {
public:
    virtual ~Disk() = default;

    // The names of the folder's entries, files and folders alike; false with *error when
    // the folder cannot be read.
    virtual bool ListFolder(const std::string& folder, std::vector<std::string>& names,
                            FileError* error);
    // A folder the user's file manager does not show; true when it is there afterwards.
    virtual bool MakeHiddenFolder(const std::string& path, FileError* error);
    // Removes the folder when it is empty; reports nothing.
    virtual void TryRemoveFolder(const std::string& path) noexcept;

    virtual bool Open(File& file, const std::string& path, OpenMode mode, FileError* error);
    virtual std::size_t Read(File& file, void* buffer, std::size_t count);
    virtual void Write(File& file, const void* buffer, std::size_t count);
    virtual void Flush(File& file);
    virtual void Close(File& file);

    // Gives the file from the name to; never replaces anything under that name.
    virtual MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                                     FileError* error);
    virtual void TryRemove(const std::string& path) noexcept;
};

}  // namespace platform
