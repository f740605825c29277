// The code page for the native build: Western European, as Wine gives it for an English or
// C locale, with the lead bytes of the four double-byte code pages of Windows.
#include "platform/code_page.h"

namespace platform {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

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
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (codePage == kUtf8CodePage) {
            // A character is one unit, one beyond U+FFFF (a four-byte lead) two; the bytes
            // that continue a character add none.
            if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
            continue;
        }
        if (IsLeadByte(codePage, byte) && i + 1 < text.size()) ++i;
        ++units;
    }
    return units;
}

}  // namespace platform
