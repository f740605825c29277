// The code page for the native build: Western European, as Wine gives it for an English or
// C locale, with the lead bytes of the four double-byte code pages of Windows.
#include "platform/code_page.h"

#include <utility>

namespace platform {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

bool IsContinuation(const std::string& text, std::size_t at) {
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

// The bytes of the UTF-8 character at `at` and the UTF-16 units it becomes; a byte that
// starts no whole character stands alone and becomes one unit, as Windows replaces it.
std::pair<std::size_t, std::size_t> Utf8Character(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t bytes = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        bytes = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        bytes = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        bytes = 4;
    }
    for (std::size_t k = 1; k < bytes; ++k) {
        if (!IsContinuation(text, at + k)) return {1, 1};
    }
    return {bytes, bytes == 4 ? 2 : 1};
}

}  // namespace

unsigned AnsiCodePage() {
    return 1252;
}

bool IsLeadByte(unsigned codePage, unsigned char byte) {
    switch (codePage) {
        case 932:  // Japanese, Shift-JIS
            return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        case 936:  // Simplified Chinese, GBK
        case 949:  // Korean, Unified Hangul Code
        case 950:  // Traditional Chinese, Big5
            return byte >= 0x81 && byte <= 0xFE;
        default:
            return false;
    }
}

std::size_t WideLength(const std::string& text, unsigned codePage) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (codePage == kUtf8CodePage) {
            const auto [bytes, characterUnits] = Utf8Character(text, i);
            i += bytes;
            units += characterUnits;
            continue;
        }
        const bool pair =
            IsLeadByte(codePage, static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        i += pair ? 2 : 1;
        ++units;
    }
    return units;
}

}  // namespace platform
