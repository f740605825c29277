#include "transfer/chooser_selection.h"

namespace transfer {

namespace {

// The folder without its final backslash, unless that backslash is a drive root's.
std::string WithoutFinalBackslash(const std::string& folder, unsigned codePage) {
    const std::size_t last = platform::FindLastBackslash(folder, codePage);
    const bool final = last != std::string::npos && last + 1 == folder.size();
    const bool driveRoot = folder.size() == 3 && folder[1] == ':';
    return final && !driveRoot ? folder.substr(0, last) : folder;
}

}  // namespace

bool IsSameFolder(const std::string& selected, const std::string& wanted, unsigned codePage) {
    return !selected.empty() &&
           WithoutFinalBackslash(selected, codePage) == WithoutFinalBackslash(wanted, codePage);
}

}  // namespace transfer
