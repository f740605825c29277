// Finding a photo's date: the Exif-style text "YYYY:MM:DD HH:MM:SS" in its first bytes,
// the file's last-write time as the fallback, and the date the user typed instead.
#include "transfer/date_stamp.h"

#include <cstdio>
#include <cstring>

#include "platform/file.h"
#include "platform/system.h"

namespace transfer {

namespace {

constexpr std::size_t kSearchedBytes = 4096;
constexpr std::size_t kTextLength = 19;  // "YYYY:MM:DD HH:MM:SS"

// Offsets of the separators within the text, and of the year, month and day bytes.
constexpr std::size_t kColons[] = {4, 7, 13, 16};
constexpr std::size_t kBlank = 10;
constexpr std::size_t kDateBytes[] = {0, 1, 2, 3, 5, 6, 8, 9};
constexpr std::size_t kShortStampBytes[] = {2, 3, 5, 6, 8, 9};
constexpr std::size_t kTimeBytes[] = {11, 12, 14, 15, 17, 18};

bool IsSeparator(std::size_t offset) {
    if (offset == kBlank) return true;
    for (std::size_t colon : kColons) {
        if (offset == colon) return true;
    }
    return false;
}

// A byte that may stand in a copy's name: printable ASCII, and nothing that Windows takes
// as a separator, a drive, a wildcard or a redirection. Camera dates are ASCII; a byte of
// 128 or more would be half a letter, and an invalid name in UTF-8.
bool FitsInName(unsigned char byte) {
    return byte >= 32 && byte < 127 && std::strchr("\\/:*?\"<>|", byte) == nullptr;
}

// Cameras write "0000:00:00 00:00:00", or blanks in place of the digits, when they do not
// know the date.
bool IsUnknownDate(const unsigned char* text) {
    bool allZeros = true;
    bool allBlanks = true;
    for (std::size_t offset : kDateBytes) {
        allZeros = allZeros && text[offset] == '0';
        allBlanks = allBlanks && text[offset] == ' ';
    }
    return allZeros || allBlanks;
}

bool IsUsableDateText(const unsigned char* text) {
    for (std::size_t offset : kColons) {
        if (text[offset] != ':') return false;
    }
    if (text[kBlank] != ' ') return false;
    for (std::size_t offset = 0; offset < kTextLength; ++offset) {
        if (!IsSeparator(offset) && !FitsInName(text[offset])) return false;
    }
    return !IsUnknownDate(text);
}

void WriteDateStamp(const unsigned char* text, char* stamp, bool longDate) {
    char* out = stamp;
    for (std::size_t offset : kShortStampBytes) *out++ = static_cast<char>(text[offset]);
    if (longDate) {
        *out++ = '-';
        for (std::size_t offset : kTimeBytes) *out++ = static_cast<char>(text[offset]);
    }
    *out = '\0';
}

// Reads until count bytes are in or the file ends; false when a read fails.
bool ReadUpTo(platform::File& file, unsigned char* buffer, std::size_t count, std::size_t& total) {
    total = 0;
    while (total < count) {
        std::size_t got = 0;
        if (file.Read(buffer + total, count - total, got) != 0) return false;
        if (got == 0) break;
        total += got;
    }
    return true;
}

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string TypedText(const char* dateEditText) {
    return dateEditText ? std::string(dateEditText) : std::string();
}

const char* FailedStepText(platform::FileTimeStep step) {
    switch (step) {
        case platform::FileTimeStep::GetFileTime:
            return "Error GetFileTime";
        case platform::FileTimeStep::ToLocalTime:
            return "Error FileTimeToLocalFileTime";
        case platform::FileTimeStep::ToCalendarTime:
        default:
            return "Error FileTimeToSystemTime";
    }
}

}  // namespace

bool FindEmbeddedDate(const std::string& photoPath, char* stamp, bool longDate) {
    stamp[0] = '\0';
    unsigned char bytes[kSearchedBytes];
    std::size_t count = 0;
    {
        platform::File photo;
        // A photo that cannot be read has no date to give; its copy tells why.
        if (photo.Open(photoPath, platform::OpenMode::ReadDenyWrite) != 0 ||
            !ReadUpTo(photo, bytes, sizeof bytes, count)) {
            return false;
        }
    }
    // Cameras write several such texts (taken, digitised, changed): the last one counts.
    for (std::size_t end = count; end >= kTextLength; --end) {
        const unsigned char* text = bytes + end - kTextLength;
        if (IsUsableDateText(text)) {
            WriteDateStamp(text, stamp, longDate);
            return true;
        }
    }
    return false;
}

bool GetFileDateStamp(framework::MessagePort& messages, const std::string& photoPath, char* stamp) {
    stamp[0] = '\0';
    return StampFromLastWriteDate(messages, platform::ReadLastWriteDate(photoPath), stamp);
}

bool StampFromLastWriteDate(framework::MessagePort& messages, const platform::LastWriteDate& date,
                            char* stamp) {
    stamp[0] = '\0';
    if (date.step == platform::FileTimeStep::Done) {
        std::snprintf(stamp, kStampRoom, "%02d%02d%02d", date.year % 1000, date.month, date.day);
        return true;
    }
    if (date.step == platform::FileTimeStep::Open) {
        messages.Show("Invalid Handle Value");
        return false;
    }
    // The error code is the one captured when the step failed, so the box before cannot
    // change what the system-error box says.
    messages.Show(FailedStepText(date.step));
    ReportLastError(messages, date.error);
    return false;
}

void ReportLastError(framework::MessagePort& messages, unsigned long errorCode) {
    std::string text = platform::SystemErrorText(errorCode);
    if (text.empty()) text = std::to_string(errorCode);
    messages.ShowSystemError(text);
}

bool UsesPhotoDates(const char* dateEditText, const char* defaultDateText) {
    return TypedText(dateEditText) == (defaultDateText ? defaultDateText : "");
}

std::string FilterTypedDate(const char* dateEditText) {
    std::string filtered;
    for (char c : TypedText(dateEditText)) {
        if (IsAsciiLetterOrDigit(c)) filtered += c;
    }
    return filtered;
}

}  // namespace transfer
