// The last backslash of a multi-byte path.
#include "platform/code_page.h"

namespace platform {

std::size_t FindLastBackslash(const std::string& text, unsigned codePage) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            last = i;
        } else if (IsLeadByte(codePage, static_cast<unsigned char>(text[i])) &&
                   i + 1 < text.size() && text[i + 1] != '\0') {
            ++i;  // the second byte belongs to this character
        }
    }
    return last;
}

}  // namespace platform
