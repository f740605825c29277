// The code page and its lead bytes as Windows knows them.
#include <windows.h>

#include "platform/code_page.h"
#include "platform/wide_text_win32.h"

namespace platform {

unsigned AnsiCodePage() {
    return GetACP();
}

bool IsLeadByte(unsigned codePage, unsigned char byte) {
    return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

std::size_t WideLength(const std::string& text, unsigned codePage) {
    const std::wstring wide = WideText(text, codePage);
    // A text the system cannot read at all is held to be as long as its bytes.
    return wide.empty() ? text.size() : wide.size();
}

}  // namespace platform
