// Whether the folder chooser shows the folder it was asked to open at: the shell names a
// folder without its final backslash, the settings file keeps one.
#pragma once

#include <string>

#include "platform/code_page.h"

namespace transfer {

// True when `selected` (as the shell names it) is the folder `wanted`, written with or
// without a final backslash. A drive's root keeps its backslash in both ("D:\"). The texts
// are read character by character in the code page, so a two-byte character whose second
// byte is a backslash's is not taken for one.
bool IsSameFolder(const std::string& selected, const std::string& wanted,
                  unsigned codePage = platform::AnsiCodePage());

}  // namespace transfer
