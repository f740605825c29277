// The program's name as the user sees it in message-box captions: the executable's file
// name without its extension, so renaming brenvale.exe renames the captions.
#pragma once

#include <string>

#include "platform/code_page.h"

namespace framework {

// The last path component (after the last backslash character of the path in the code
// page) without the text from its last dot.
std::string ProgramNameFromPath(const std::string& executablePath,
                                unsigned codePage = platform::AnsiCodePage());

}  // namespace framework
