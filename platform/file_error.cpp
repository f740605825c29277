// The sentence a file error shows.
#include "platform/file_error.h"

#include "platform/system.h"

namespace platform {

FileError::FileError(unsigned long cause, std::string fileName)
    : cause_(cause), fileName_(std::move(fileName)) {
    message_ = "\"" + fileName_ + "\" - Error " + std::to_string(cause_);
    const std::string text = SystemErrorText(cause_);
    if (!text.empty()) message_ += ": " + text;
}

}  // namespace platform
