// The code page and its lead bytes as Windows knows them.
#include <windows.h>

#include "platform/code_page.h"

namespace platform {

unsigned AnsiCodePage() {
    return GetACP();
}

bool IsLeadByte(unsigned codePage, unsigned char byte) {
    return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

std::size_t WideLength(const std::string& text, unsigned codePage) {
    if (text.empty()) return 0;
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    // A text the system cannot read at all is held to be as long as its bytes.
    return length > 0 ? static_cast<std::size_t>(length) : text.size();
}

}  // namespace platform
