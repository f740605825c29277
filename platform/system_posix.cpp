// The executable's path, file times and error texts from POSIX, for the native build.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include "platform/native_file.h"
#include "platform/posix_path.h"
#include "platform/system.h"

namespace platform {

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

LastWriteDate ReadLastWriteDate(const std::string& path) {
    LastWriteDate result;
    std::intptr_t handle = -1;
    result.error = native::Open(path, OpenMode::Read, handle);
    if (result.error != 0) return result;
    const int fd = static_cast<int>(handle);
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
    native::Close(handle);
    return result;
}

}  // namespace platform
