// Whether the copies of a save run fit in the chosen folder: the system's file calls take
// paths of at most 259 UTF-16 units (MAX_PATH less its terminating zero), so a folder
// whose path leaves no room for the copies' names is refused before anything is copied.
#pragma once

#include <cstddef>
#include <string>

#include "platform/code_page.h"

namespace transfer {

// The longest path the file calls take, in UTF-16 units.
constexpr std::size_t kLongestFilePath = 259;

// The longest name a copy of the run can get, "<date>_<title>_NNN.jpg", with digits standing
// in for the date. With the photos' own dates that is the longest stamp a photo can give:
// "yymmdd-hhmmss" with Long Date?, otherwise the short stamp, whose year modulo 1000 can
// have three digits when it comes from the file's time ("9991231"). With a typed date it is
// the filtered date itself.
std::string LongestCopyName(const std::string& title, bool photoDates, bool longDate,
                            const std::string& filteredDate);

// Whether "<folder>\<name>" is a path the file calls take, counted as the system converts
// it from the code page.
bool CopyFitsIn(const std::string& folder, const std::string& name,
                unsigned codePage = platform::AnsiCodePage());

// Said when the chosen folder's path and the copies' names together are too long, naming
// the folder: a shorter folder, or a shorter title, takes them.
std::string FolderTooLongText(const std::string& folder);

}  // namespace transfer
