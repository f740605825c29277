// Brenvale works in UTF-8 where the system lets it (its manifest asks for it); texts
// stored before then are in the system's legacy ANSI code page.
#pragma once

#include <string>

namespace platform {

// Whether the bytes are well-formed UTF-8: no stray or missing continuation byte, no
// overlong form, no surrogate, nothing above U+10FFFF. Plain ASCII is.
bool IsUtf8(const std::string& text);

// A text in the user's legacy ANSI code page (1252 on a Western system), in the code page
// the program works in: converted to UTF-8 when the program runs in UTF-8, unchanged on
// a system that runs it in the legacy code page itself.
std::string FromLegacyAnsi(const std::string& text);

}  // namespace platform
