// Where the folder chooser opens, and whether it shows the folder it was asked to open at:
// the shell names a folder without its final backslash, the settings file keeps one.
#pragma once

#include <string>
#include <vector>

#include "platform/code_page.h"

namespace transfer {

// True when `selected` (as the shell names it) is the folder `wanted`, written with or
// without a final backslash, in any letter case. A drive's root keeps its backslash in both
// ("D:\"). The texts are read character by character in the code page, so a two-byte character
// whose second byte is a backslash's is not taken for one.
bool IsSameFolder(const std::string& selected, const std::string& wanted,
                  unsigned codePage = platform::AnsiCodePage());

// The folders the chooser may open at for `remembered`, nearest first: the folder itself,
// without its final backslash, then each folder above it up to its drive's root ("D:\") or
// its network share ("\\server\share"). A folder whose name, or the name of a folder on its
// way, Windows keeps for a device ("NUL", "COM1.x") is left out, and so is everything below
// it. None for a path that does not start at a drive or a share ("COM1", "photos\2023").
std::vector<std::string> FoldersToOpenAt(const std::string& remembered,
                                         unsigned codePage = platform::AnsiCodePage());

}  // namespace transfer
