// A failed file operation as the user is told of it: the system's error code and the
// file's name, in one sentence.
#pragma once

#include <exception>
#include <string>

namespace platform {

class FileError : public std::exception {
public:
    FileError() = default;
    FileError(unsigned long cause, std::string fileName);

    unsigned long Cause() const { return cause_; }
    const std::string& FileName() const { return fileName_; }
    // The file's name in quotes, the error number and the system's text for it.
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    unsigned long cause_ = 0;
    std::string fileName_;
    std::string message_;
};

}  // namespace platform
