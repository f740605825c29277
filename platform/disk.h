// The file operations of a save run, one virtual call each, so that a test can stand
// between the run and the disk: make one step fail, or count what reaches the folder.
#pragma once

#include <cstddef>
#include <future>
#include <memory>
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
    Disk();
    virtual ~Disk();
    Disk(const Disk&) = delete;
    Disk& operator=(const Disk&) = delete;

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
    // Flush, then Close, on a thread of the disk's own, so that the next photo is copied
    // while this copy goes to the disk; the future raises what they raised. The file is
    // closed either way; it and the disk must stay until the future is done. Files go to
    // the disk in the order given.
    virtual std::future<void> FlushAndCloseMeanwhile(File& file);
    // Writes the folder's entries through to the disk, where the system lets a program do
    // that; reports nothing.
    virtual void TryFlushFolder(const std::string& path) noexcept;

    // Gives the file from the name to; never replaces anything under that name.
    virtual MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                                     FileError* error);
    virtual void TryRemove(const std::string& path) noexcept;

protected:
    // Flush, then Close; when Flush fails the file is closed too, and Flush's error raised.
    void FlushAndClose(File& file);

private:
    class Worker;
    std::unique_ptr<Worker> worker_;  // started at the first file, ended with the disk
};

}  // namespace platform
