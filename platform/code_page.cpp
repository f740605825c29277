// The last backslash of a multi-byte path.
#include "platform/code_page.h"

namespace platform {

namespace {

// Brenvale's own code page where the system lets it work in UTF-8. Every byte of a UTF-8
// letter is 128 or more, so a backslash byte is always a backslash.
constexpr unsigned kUtf8CodePage = 65001;

}  // namespace

std::size_t FindLastBackslash(const std::string& text, unsigned codePage) {
    if (codePage == kUtf8CodePage) return text.rfind('\\');
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
