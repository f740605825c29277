// Brenvale's paths use the backslash as separator; POSIX calls want slashes.
#pragma once

#include <algorithm>
#include <string>

namespace platform::posix {

inline std::string ToPosixPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

inline std::string FromPosixPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace platform::posix
