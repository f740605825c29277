// The system's disk behind the save run's seam.
#include "platform/disk.h"

namespace platform {

Disk::Disk() = default;
Disk::~Disk() = default;

unsigned long Disk::ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    return ReadFolder(folder, entries);
}

unsigned long Disk::MakeHiddenFolder(const std::string& path) {
    return platform::MakeHiddenFolder(path);
}

unsigned long Disk::RemoveFolder(const std::string& path) {
    return platform::RemoveFolder(path);
}

unsigned long Disk::FlushFolder(const std::string& path) {
    return platform::FlushFolder(path);
}

unsigned long Disk::Remove(const std::string& path) {
    return RemoveFile(path);
}

unsigned long Disk::Open(File& file, const std::string& path, OpenMode mode) {
    return file.Open(path, mode);
}

unsigned long Disk::OpenUncachedReader(const File& file, File& reader) {
    return file.OpenUncachedReader(reader);
}

unsigned long Disk::Read(File& file, void* buffer, std::size_t count, std::size_t& done) {
    return file.Read(buffer, count, done);
}

unsigned long Disk::Write(File& file, const void* buffer, std::size_t count) {
    return file.Write(buffer, count);
}

unsigned long Disk::Size(const File& file, std::uint64_t& size) {
    return file.Size(size);
}

unsigned long Disk::Flush(File& file) {
    return file.Flush();
}

unsigned long Disk::Close(File& file) {
    return file.Close();
}

unsigned long Disk::Rename(File& file, const std::string& to) {
    return file.Rename(to);
}

}  // namespace platform
