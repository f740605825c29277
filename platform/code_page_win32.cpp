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

}  // namespace platform
