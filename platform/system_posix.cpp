// The executable's path, file times and error texts from POSIX, for the native build.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include "platform/file.h"
#include "platform/local_date_posix.h"
#include "platform/posix_path.h"
#include "platform/system.h"

namespace platform {

unsigned long ProcessId() {
    return static_cast<unsigned long>(::getpid());
}

std::string ExecutablePath() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length <= 0) return std::string();
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return posix::FromPosixPath(std::string(buffer.data(), length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemErrorText(unsigned long code) {
    return std::strerror(static_cast<int>(code));
}

namespace posix {

LastWriteDate LocalDateOfFileTime(std::int64_t written, long offsetFromUtc) {
    // Windows keeps file times from 1 January 1601 to the end of the year 30827.
    constexpr int kFirstYear = 1601;
    constexpr int kLastYear = 30827;
    LastWriteDate result;
    std::time_t local = 0;
    if (__builtin_add_overflow(written, offsetFromUtc, &local)) {
        result.step = FileTimeStep::ToLocalTime;
        result.error = EOVERFLOW;
        return result;
    }
    // gmtime_r fails only for a year beyond what an int holds.
    std::tm fields{};
    if (!::gmtime_r(&local, &fields) || fields.tm_year < kFirstYear - 1900 ||
        fields.tm_year > kLastYear - 1900) {
        result.step = FileTimeStep::ToCalendarTime;
        result.error = EOVERFLOW;
        return result;
    }
    result.step = FileTimeStep::Done;
    result.year = fields.tm_year + 1900;
    result.month = fields.tm_mon + 1;
    result.day = fields.tm_mday;
    return result;
}

}  // namespace posix

LastWriteDate ReadLastWriteDate(const std::string& path) {
    LastWriteDate result;
    // Opened as Windows opens it, so that what cannot be read fails at the same step.
    File file;
    result.error = file.Open(path, OpenMode::ReadExclusive);
    if (result.error != 0) return result;
    struct stat info {};
    if (::stat(posix::ToPosixPath(file.Path()).c_str(), &info) != 0) {
        result.step = FileTimeStep::GetFileTime;
        result.error = static_cast<unsigned long>(errno);
    } else {
        // Like FileTimeToLocalFileTime: today's offset from UTC, whatever the file's date.
        const std::time_t now = std::time(nullptr);
        std::tm nowLocal{};
        if (!::localtime_r(&now, &nowLocal)) {
            result.step = FileTimeStep::ToLocalTime;
            result.error = static_cast<unsigned long>(errno);
        } else {
            result = posix::LocalDateOfFileTime(info.st_mtim.tv_sec, nowLocal.tm_gmtoff);
        }
    }
    return result;
}

}  // namespace platform
