// The platform-independent half of File and FileError.
#include "platform/file.h"

#include "platform/native_file.h"
#include "platform/system.h"

namespace platform {

FileError::FileError(unsigned long cause, std::string fileName)
    : cause_(cause), fileName_(std::move(fileName)) {
    message_ = "\"" + fileName_ + "\" - Error " + std::to_string(cause_);
    const std::string text = SystemErrorText(cause_);
    if (!text.empty()) message_ += ": " + text;
}

File::File(const std::string& path, OpenMode mode) {
    FileError error;
    if (!Open(path, mode, &error)) throw error;
}

File::~File() {
    if (IsOpen()) native::Close(handle_);
}

bool File::Open(const std::string& path, OpenMode mode, FileError* error) {
    if (IsOpen()) native::Close(handle_);
    handle_ = kNoHandle;
    name_ = path;
    path_.clear();
    std::intptr_t handle = kNoHandle;
    unsigned long code = native::Open(path, mode, handle);
    if (code == 0) {
        std::string fullPath;
        code = native::FullPath(path, fullPath);
        if (code == 0) {
            handle_ = handle;
            path_ = std::move(fullPath);
            return true;
        }
        native::Close(handle);
    }
    if (error) *error = FileError(code, path);
    return false;
}

std::size_t File::Read(void* buffer, std::size_t count) {
    std::size_t done = 0;
    if (const unsigned long code = native::Read(handle_, buffer, count, done)) {
        throw FileError(code, name_);
    }
    return done;
}

void File::Write(const void* buffer, std::size_t count) {
    const char* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        std::size_t done = 0;
        if (const unsigned long code = native::Write(handle_, bytes, count, done)) {
            throw FileError(code, name_);
        }
        bytes += done;
        count -= done;
    }
}

void File::SeekToBegin() {
    if (const unsigned long code = native::SeekToBegin(handle_)) throw FileError(code, name_);
}

void File::Flush() {
    if (const unsigned long code = native::Flush(handle_)) throw FileError(code, name_);
}

void File::Close() {
    if (!IsOpen()) return;
    const std::intptr_t handle = handle_;
    handle_ = kNoHandle;
    if (const unsigned long code = native::Close(handle)) throw FileError(code, name_);
}

unsigned long File::RenameNoReplace(const std::string& to) {
    std::string fullPath;
    unsigned long code = native::FullPath(to, fullPath);
    if (code == 0) code = native::RenameOpen(handle_, path_, fullPath);
    if (code == 0) {
        name_ = to;
        path_ = std::move(fullPath);
    }
    return code;
}

bool File::IsNameTaken(unsigned long code) {
    return native::IsNameTaken(code);
}

void File::Remove(const std::string& path) {
    if (const unsigned long code = native::Remove(path)) throw FileError(code, path);
}

void File::TryRemove(const std::string& path) noexcept {
    native::Remove(path);
}

bool File::Exists(const std::string& path) {
    return native::Exists(path);
}

void File::Replace(const std::string& from, const std::string& to) {
    if (const unsigned long code = native::Replace(from, to)) throw FileError(code, to);
}

}  // namespace platform
