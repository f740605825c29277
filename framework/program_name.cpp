// The program's name from the executable's path.
#include "framework/program_name.h"

#include "platform/code_page.h"

namespace framework {

std::string ProgramNameFromPath(const std::string& executablePath, unsigned codePage) {
    const std::size_t slash = platform::FindLastBackslash(executablePath, codePage);
    std::string name =
        slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

}  // namespace framework
