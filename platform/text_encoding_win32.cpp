// Legacy texts on Windows: the user locale's default ANSI code page, converted through
// UTF-16. GetACP() cannot tell it: it answers 65001 once the manifest's UTF-8 is in force.
#include <windows.h>

#include "platform/text_encoding.h"
#include "platform/wide_text_win32.h"

namespace platform {

namespace {

UINT LegacyAnsiCodePage() {
    UINT codePage = 0;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPSTR>(&codePage), sizeof codePage / sizeof(char)) == 0) {
        return 1252;
    }
    return codePage;
}

}  // namespace

std::string FromLegacyAnsi(const std::string& text) {
    if (GetACP() != CP_UTF8 || text.empty()) return text;
    const UINT legacy = LegacyAnsiCodePage();
    if (legacy == CP_UTF8) return text;
    const std::wstring wide = WideText(text, legacy);
    if (wide.empty()) return text;
    const int wideLength = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return text;
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace platform
