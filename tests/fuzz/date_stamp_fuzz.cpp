// A photo's date stamp from any bytes: the date-time text searched in the first 4096 bytes
// of the file, both stamp forms, and the file's last-write time as the fallback. The input's
// first 8 bytes are the file's last-write time (seconds since 1970), the rest the photo.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/message_port.h"
#include "fuzz_support.h"
#include "transfer/date_stamp.h"

namespace {

constexpr std::size_t kSearchedBytes = 4096;
constexpr std::size_t kTextLength = 19;

class Messages : public framework::MessagePort {
public:
    std::vector<std::string> shown;
    void Show(const std::string& text) override { shown.push_back(text); }
    void ShowSystemError(const std::string& text) override { shown.push_back("error: " + text); }
};

bool FitsInName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 32 && byte != 127 && std::strchr("\\/:*?\"<>|", byte) == nullptr;
}

void CheckStamp(const char* stamp, std::size_t length) {
    FUZZ_CHECK(std::strlen(stamp) == length);
    for (std::size_t i = 0; i < length; ++i) FUZZ_CHECK(FitsInName(stamp[i]));
}

// Some text with the separators stands in the searched bytes and gives the long stamp.
bool StandsInPhoto(const std::string& searched, const char* longStamp) {
    static constexpr std::size_t kStampBytes[] = {2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18};
    for (std::size_t s = 0; s + kTextLength <= searched.size(); ++s) {
        const char* text = searched.data() + s;
        if (text[4] != ':' || text[7] != ':' || text[10] != ' ' || text[13] != ':' ||
            text[16] != ':') {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < 12 && same; ++i) {
            same = text[kStampBytes[i]] == longStamp[i < 6 ? i : i + 1];
        }
        if (same) return true;
    }
    return false;
}

void CheckEmbeddedDate(const std::string& photo) {
    const fuzz_support::ScratchFolder& folder = fuzz_support::ScratchFolder::Get();
    folder.Write("photo.jpg", photo);
    char shortStamp[transfer::kStampRoom];
    char longStamp[transfer::kStampRoom];
    const bool found = transfer::FindEmbeddedDate(folder.PathOf("photo.jpg"), shortStamp, false);
    FUZZ_CHECK(found == transfer::FindEmbeddedDate(folder.PathOf("photo.jpg"), longStamp, true));
    if (!found) {
        FUZZ_CHECK(shortStamp[0] == '\0' && longStamp[0] == '\0');
    } else {
        CheckStamp(shortStamp, 6);
        CheckStamp(longStamp, 13);
        FUZZ_CHECK(std::strncmp(shortStamp, longStamp, 6) == 0 && longStamp[6] == '-');
        FUZZ_CHECK(StandsInPhoto(photo.substr(0, kSearchedBytes), longStamp));
    }
    // Nothing past the first 4096 bytes counts.
    if (photo.size() > kSearchedBytes) {
        folder.Write("head.jpg", photo.substr(0, kSearchedBytes));
        char headStamp[transfer::kStampRoom];
        FUZZ_CHECK(found == transfer::FindEmbeddedDate(folder.PathOf("head.jpg"), headStamp, true));
        FUZZ_CHECK(std::strcmp(longStamp, headStamp) == 0);
    }
}

void CheckFileDate(std::int64_t written) {
    const fuzz_support::ScratchFolder& folder = fuzz_support::ScratchFolder::Get();
    struct timespec times[2] = {};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(written);
    if (::utimensat(AT_FDCWD, folder.NativeOf("photo.jpg").c_str(), times, 0) != 0) return;
    Messages messages;
    char stamp[transfer::kStampRoom];
    std::memset(stamp, 'X', sizeof stamp);
    if (transfer::GetFileDateStamp(messages, folder.PathOf("photo.jpg"), stamp)) {
        // Year modulo 1000, month and day.
        const std::size_t length = std::strlen(stamp);
        FUZZ_CHECK(length == 6 || length == 7);
        for (std::size_t i = 0; i < length; ++i) FUZZ_CHECK(stamp[i] >= '0' && stamp[i] <= '9');
        FUZZ_CHECK(messages.shown.empty());
    } else {
        // The failed step's message, then the system's text for its error.
        FUZZ_CHECK(stamp[0] == '\0');
        FUZZ_CHECK(messages.shown.size() == 2);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int64_t written = 0;
    const std::size_t timeBytes = size < sizeof written ? size : sizeof written;
    std::memcpy(&written, data, timeBytes);
    CheckEmbeddedDate(
        std::string(reinterpret_cast<const char*>(data) + timeBytes, size - timeBytes));
    CheckFileDate(written);
    return 0;
}
