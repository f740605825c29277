// The program's name as the user sees it in message-box captions: the executable's file
// name without its extension, so renaming brenvale.exe renames the captions.
#pragma once

#include <string>

namespace framework {

// The last path component (after the last backslash) without the text from its last dot.
std::string ProgramNameFromPath(const std::string& executablePath);

}  // namespace framework
