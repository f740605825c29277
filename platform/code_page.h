// Paths and texts are multi-byte ANSI text in the system's code page. In the double-byte
// code pages of East Asian Windows the second byte of a character can be 0x5C, the
// backslash, so searching a path for its folders must go character by character.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The system's ANSI code page, in which paths and the settings file are written.
unsigned AnsiCodePage();

// Whether the byte starts a character of two bytes in the code page. Single-byte code
// pages have no such bytes.
bool IsLeadByte(unsigned codePage, unsigned char byte);

// The position of the last backslash character in the text read character by character in
// the code page (the second byte of a two-byte character is never a backslash), or npos.
std::size_t FindLastBackslash(const std::string& text, unsigned codePage = AnsiCodePage());

// The position of the first character of the text, read character by character in the code
// page, that is one of the ASCII characters `characters`; npos when there is none. The
// second byte of a two-byte character is never taken for one.
std::size_t FindFirstOf(const std::string& text, const char* characters,
                        unsigned codePage = AnsiCodePage());

// How many UTF-16 units the system makes of the text in the code page: the length that
// its file calls hold against their limit of 260 (MAX_PATH). A letter of UTF-8 is one
// unit, one beyond U+FFFF two; a character of a double-byte code page is one.
std::size_t WideLength(const std::string& text, unsigned codePage = AnsiCodePage());

}  // namespace platform
