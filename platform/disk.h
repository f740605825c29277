// The file operations of a save run, one virtual call each, so that a test can stand
// between the run and the disk: make one step fail, change what a disk gives back, or
// count what reaches the folder. Each returns what the File call or free function of the
// same name returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/folder.h"

namespace platform {

class Disk {
public:
    Disk();
    virtual ~Disk();
    Disk(const Disk&) = delete;
    Disk& operator=(const Disk&) = delete;

    // The folder's entries, files and folders alike.
    virtual unsigned long ListFolder(const std::string& folder, std::vector<FolderEntry>& entries);
    virtual unsigned long MakeHiddenFolder(const std::string& path);
    virtual unsigned long RemoveFolder(const std::string& path);
    virtual unsigned long FlushFolder(const std::string& path);
    virtual unsigned long Remove(const std::string& path);

    virtual unsigned long Open(File& file, const std::string& path, OpenMode mode);
    virtual unsigned long OpenUncachedReader(const File& file, File& reader);
    virtual unsigned long Read(File& file, void* buffer, std::size_t count, std::size_t& done);
    virtual unsigned long Write(File& file, const void* buffer, std::size_t count);
    virtual unsigned long Size(const File& file, std::uint64_t& size);
    virtual unsigned long Flush(File& file);
    virtual unsigned long Close(File& file);
    virtual unsigned long Rename(File& file, const std::string& to);
};

}  // namespace platform
