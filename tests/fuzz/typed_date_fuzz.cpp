// The date the user types: whether it still is the default text (the photos' own dates
// then), and what is left of it as the date part of every copy's name. The input is the
// date edit's text, a NUL, and the default date text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "transfer/date_stamp.h"

namespace {

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether every character of part stands in whole, in the same order.
bool IsSubsequence(const std::string& part, const std::string& whole) {
    std::size_t at = 0;
    for (char c : whole) {
        if (at < part.size() && part[at] == c) ++at;
    }
    return at == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string typed = input.substr(0, nul);
    const std::string defaultText =
        nul == std::string::npos ? std::string() : input.substr(nul + 1).c_str();

    // The untouched edit holds the default text, and that alone means photo dates.
    FUZZ_CHECK(transfer::UsesPhotoDates(typed.c_str(), defaultText.c_str()) ==
               (typed == defaultText));
    FUZZ_CHECK(transfer::UsesPhotoDates(defaultText.c_str(), defaultText.c_str()));
    FUZZ_CHECK(!transfer::UsesPhotoDates(nullptr, "Date of foto"));

    // Every letter and digit of the typed text, in order, and nothing else.
    const std::string datePart = transfer::FilterTypedDate(typed.c_str());
    for (char c : datePart) FUZZ_CHECK(IsAsciiLetterOrDigit(c));
    FUZZ_CHECK(IsSubsequence(datePart, typed));
    std::size_t lettersAndDigits = 0;
    for (char c : typed) lettersAndDigits += IsAsciiLetterOrDigit(c) ? 1 : 0;
    FUZZ_CHECK(datePart.size() == lettersAndDigits);
    FUZZ_CHECK(transfer::FilterTypedDate(datePart.c_str()) == datePart);
    return 0;
}
