// Binary file access in the few ways Brenvale opens files, and the error a failed
// file operation raises. Paths use the backslash as separator on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

namespace platform {

// Each mode fixes access, sharing and creation together.
enum class OpenMode {
    ReadExclusive,  // read an existing file; nobody else may open it meanwhile
    ReadDenyWrite,  // read an existing file; others may read it meanwhile, not write it
    Create,         // create or empty a file for writing; nobody else may open it meanwhile
    CreateNew,      // create a file for writing only when the name is free; no sharing, and
                    // the file can be renamed through this handle (RenameNoReplace)
};

// A failed file operation: the system's error code and the file's name.
class FileError : public std::exception {
public:
    FileError() = default;
    FileError(unsigned long cause, std::string fileName);

    unsigned long Cause() const { return cause_; }
    const std::string& FileName() const { return fileName_; }
    // A sentence for the user naming the file and the cause, with the error number.
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    unsigned long cause_ = 0;
    std::string fileName_;
    std::string message_;
};

class File {
public:
    File() = default;
    // Opens or throws FileError.
    File(const std::string& path, OpenMode mode);
    // Closes without reporting a failure.
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens the file; on failure returns false and, when given, fills *error.
    bool Open(const std::string& path, OpenMode mode, FileError* error = nullptr);
    bool IsOpen() const { return handle_ != kNoHandle; }

    // Reads up to count bytes; returns how many were read, 0 at the end. Throws FileError.
    std::size_t Read(void* buffer, std::size_t count);
    // Writes all count bytes. Throws FileError.
    void Write(const void* buffer, std::size_t count);
    // Throws FileError.
    void SeekToBegin();
    // Writes what the system still holds of the file through to the disk. Throws FileError.
    void Flush();
    // Closes the file; throws FileError when the system reports a failure (the file is
    // closed either way). Does nothing when the file is not open.
    void Close();
    // Gives the open file (opened with CreateNew) the new name while it stays open;
    // nothing under that name, in any case, is ever replaced. Returns 0 or the system's
    // error code, which IsNameTaken tells apart.
    unsigned long RenameNoReplace(const std::string& to);
    // Whether a failed rename found the new name taken.
    static bool IsNameTaken(unsigned long code);

    // The absolute path the system resolved when the file was opened.
    const std::string& GetFilePath() const { return path_; }

    // Deletes a file. Throws FileError.
    static void Remove(const std::string& path);
    // Deletes a file if it can; reports nothing.
    static void TryRemove(const std::string& path) noexcept;
    // Whether anything exists under the name.
    static bool Exists(const std::string& path);
    // Puts the file from in the place of the file to, in one step; a read-only file is
    // never replaced. Throws FileError.
    static void Replace(const std::string& from, const std::string& to);

private:
    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle_ = kNoHandle;
    std::string path_;
    std::string name_;  // as passed to Open, for error messages
};

}  // namespace platform
