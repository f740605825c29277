// Setting a file's last-write time in tests, the operating system's own way.
#pragma once

#include <string>

namespace testing_support {

// Sets the last-write time of the file at path (backslash-separated) to the given UTC time.
void SetLastWriteTimeUtc(const std::string& path, int year, int month, int day, int hour,
                         int minute);

}  // namespace testing_support
