// The program's name from the executable's path.
#include "framework/program_name.h"

namespace framework {

std::string ProgramNameFromPath(const std::string& executablePath) {
    const std::size_t slash = executablePath.find_last_of('\\');
    std::string name =
        slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

}  // namespace framework
