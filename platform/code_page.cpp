// Searching multi-byte paths and titles character by character.
#include "platform/code_page.h"

#include <cstring>

namespace platform {

namespace {

// Brenvale's own code page where the system lets it work in UTF-8. Every byte of a UTF-8
// letter is 128 or more, so a backslash byte is always a backslash.
constexpr unsigned kUtf8CodePage = 65001;

// Calls found(i) for the position i of every character of the text that is a single byte,
// until it returns true; the second byte of a two-byte character is skipped.
template <typename Found>
void ForEachSingleByte(const std::string& text, unsigned codePage, Found found) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (codePage != kUtf8CodePage &&
            IsLeadByte(codePage, static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
            text[i + 1] != '\0') {
            ++i;  // the second byte belongs to this character
        } else if (found(i)) {
            return;
        }
    }
}

}  // namespace

std::size_t FindLastBackslash(const std::string& text, unsigned codePage) {
    std::size_t last = std::string::npos;
    ForEachSingleByte(text, codePage, [&](std::size_t i) {
        if (text[i] == '\\') last = i;
        return false;
    });
    return last;
}

std::size_t FindFirstOf(const std::string& text, const char* characters, unsigned codePage) {
    std::size_t first = std::string::npos;
    ForEachSingleByte(text, codePage, [&](std::size_t i) {
        if (text[i] == '\0' || std::strchr(characters, text[i]) == nullptr) return false;
        first = i;
        return true;
    });
    return first;
}

}  // namespace platform
