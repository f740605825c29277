#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <stdexcept>
#include <string>

#include "file_time.h"

namespace testing_support {

void SetLastWriteTimeUtc(const std::string& path, int year, int month, int day, int hour,
                         int minute) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    struct timespec times[2] = {};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = ::timegm(&fields);
    std::string posixPath = path;
    std::replace(posixPath.begin(), posixPath.end(), '\\', '/');
    if (::utimensat(AT_FDCWD, posixPath.c_str(), times, 0) != 0) {
        throw std::runtime_error("cannot set the time of " + path + ": " + std::to_string(errno));
    }
}

}  // namespace testing_support
