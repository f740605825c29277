// A disk that stops taking bytes in the middle of a copy: a limit on the size of every
// file this test process writes, and a photo bigger than the limit, made before the
// limit applied.
#pragma once

#include <cstddef>
#include <string>

#include "test_support.h"

namespace testing_support {

class WriteLimit {
public:
    // Puts the limit in force; may make the photo in dir.
    explicit WriteLimit(const TempDir& dir);
    // Lifts the limit again where this process set it.
    ~WriteLimit();
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

    // Empty when the limit is in force, else why it is not.
    const std::string& Unavailable() const { return unavailable_; }
    std::size_t Limit() const { return limit_; }
    // Backslash-separated path of the photo bigger than the limit.
    const std::string& BigPhoto() const { return bigPhoto_; }

private:
    std::string unavailable_;
    std::size_t limit_ = 0;
    std::string bigPhoto_;
    struct Saved;
    Saved* saved_ = nullptr;
};

}  // namespace testing_support
