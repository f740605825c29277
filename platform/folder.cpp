// What is the same of folders on every platform.
#include "platform/folder.h"

namespace platform {

std::string FoldedName(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

}  // namespace platform
