#include "platform/wide_text_win32.h"

#include <windows.h>

#include "platform/code_page.h"

namespace platform {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

}  // namespace

std::wstring WideText(const std::string& text, unsigned codePage) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::string> TextFromWide(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const UINT codePage = AnsiCodePage();
    const int size = static_cast<int>(wide.size());
    // UTF-8 has a form for every character, but none for half of a surrogate pair; a legacy
    // code page tells when it put its stand-in character in.
    const bool utf8 = codePage == kUtf8CodePage;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL standIn = FALSE;
    BOOL* standInUsed = utf8 ? nullptr : &standIn;
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, standInUsed);
    if (length <= 0 || standIn) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr,
                            standInUsed) != length) {
        return std::nullopt;
    }
    return text;
}

}  // namespace platform
