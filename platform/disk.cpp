// The system's disk behind the save run's seam.
#include "platform/disk.h"

#include "platform/native_file.h"

namespace platform {

Disk::Disk() = default;
Disk::~Disk() = default;

bool Disk::ListFolder(const std::string& folder, std::vector<FolderEntry>& entries,
                      FileError* error) {
    entries.clear();
    if (const unsigned long code = ReadFolder(folder, entries)) {
        if (error) *error = FileError(code, folder);
        return false;
    }
    return true;
}

bool Disk::MakeHiddenFolder(const std::string& path, FileError* error) {
    if (const unsigned long code = native::MakeHiddenFolder(path)) {
        if (error) *error = FileError(code, path);
        return false;
    }
    return true;
}

void Disk::TryRemoveFolder(const std::string& path) noexcept {
    native::RemoveFolder(path);
}

bool Disk::Open(File& file, const std::string& path, OpenMode mode, FileError* error) {
    return file.Open(path, mode, error);
}

std::size_t Disk::Read(File& file, void* buffer, std::size_t count) {
    return file.Read(buffer, count);
}

void Disk::Write(File& file, const void* buffer, std::size_t count) {
    file.Write(buffer, count);
}

void Disk::Flush(File& file) {
    file.Flush();
}

void Disk::Close(File& file) {
    file.Close();
}

void Disk::TryFlushFolder(const std::string& path) noexcept {
    native::FlushFolder(path);
}

MoveResult Disk::Rename(File& file, const std::string& to, FileError* error) {
    const unsigned long code = file.RenameNoReplace(to);
    if (code == 0) return MoveResult::Moved;
    if (error) *error = FileError(code, to);
    return File::IsNameTaken(code) ? MoveResult::NameTaken : MoveResult::Failed;
}

void Disk::TryRemove(const std::string& path) noexcept {
    File::TryRemove(path);
}

}  // namespace platform
