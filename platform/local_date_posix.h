// The POSIX half of reading a file's date: turning a file time into a local calendar date
// the way Windows' FileTimeToLocalFileTime and FileTimeToSystemTime do.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace platform::posix {

// The calendar date of the file time (seconds since 1970, UTC) shifted by the offset from
// UTC in seconds; step tells which conversion failed.
LastWriteDate LocalDateOfFileTime(std::int64_t written, long offsetFromUtc);

}  // namespace platform::posix
