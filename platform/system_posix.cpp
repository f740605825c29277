// The executable's path, file times and error texts from POSIX, for the native build.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/system.h"

namespace platform {

std::string ExecutablePath() {
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    std::string path(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    if (path.size() > 254) path.resize(254);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string SystemErrorText(unsigned long code) {
    return std::strerror(static_cast<int>(code));
}

LastWriteDate ReadLastWriteDate(const std::string& path) {
    LastWriteDate result;
    std::string posixPath = path;
    std::replace(posixPath.begin(), posixPath.end(), '\\', '/');
    const int fd = path.empty() ? -1 : ::open(posixPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = static_cast<unsigned long>(path.empty() ? ENOENT : errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.step = FileTimeStep::GetFileTime;
        result.error = static_cast<unsigned long>(errno);
    } else {
        // Like FileTimeToLocalFileTime: today's offset from UTC, whatever the file's date.
        const std::time_t now = std::time(nullptr);
        std::tm nowLocal{};
        std::tm fields{};
        const std::time_t written = info.st_mtim.tv_sec;
        if (!::localtime_r(&now, &nowLocal)) {
            result.step = FileTimeStep::ToLocalTime;
            result.error = static_cast<unsigned long>(errno);
        } else {
            const std::time_t local = written + nowLocal.tm_gmtoff;
            if (!::gmtime_r(&local, &fields)) {
                result.step = FileTimeStep::ToCalendarTime;
                result.error = static_cast<unsigned long>(errno);
            } else {
                result.step = FileTimeStep::Done;
                result.year = fields.tm_year + 1900;
                result.month = fields.tm_mon + 1;
                result.day = fields.tm_mday;
            }
        }
    }
    ::close(fd);
    return result;
}

}  // namespace platform
