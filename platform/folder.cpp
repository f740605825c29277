// What is the same of folders on every platform.
#include "platform/folder.h"

#include "platform/code_page.h"

namespace platform {

std::string FoldedName(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

bool IsDeviceName(const std::string& path) {
    // The last name; a backslash as a multi-byte character's second byte ends none.
    std::size_t start = path.size() >= 2 && path[1] == ':' ? 2 : 0;  // "E:NUL.jpg"
    for (const std::size_t separator : {FindLastBackslash(path), path.find_last_of('/')}) {
        if (separator != std::string::npos && separator + 1 > start) start = separator + 1;
    }
    // Windows reads the device's name up to the extension (or a colon), blanks before it
    // left out.
    std::size_t end = path.find_first_of(".:", start);
    if (end == std::string::npos) end = path.size();
    while (end > start && path[end - 1] == ' ') --end;
    const std::string name = FoldedName(path.substr(start, end - start));
    if (name == "con" || name == "prn" || name == "aux" || name == "nul") return true;
    return name.size() == 4 && (name.compare(0, 3, "com") == 0 || name.compare(0, 3, "lpt") == 0) &&
           name[3] >= '1' && name[3] <= '9';
}

}  // namespace platform
