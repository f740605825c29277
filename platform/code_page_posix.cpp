// The code page for the native build: Western European, as Wine gives it for an English or
// C locale, with the lead bytes of the four double-byte code pages of Windows.
#include "platform/code_page.h"

namespace platform {

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

}  // namespace platform
