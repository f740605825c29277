// The numbered copy: the free-name search and the byte copy through one 4096-byte buffer.
#include "transfer/numbered_copy.h"

#include <cstdio>

#include "platform/file.h"

namespace transfer {

namespace {

constexpr std::size_t kCopyBuffer = 4096;
constexpr std::size_t kErrorTextRoom = 1023;

std::string NumberedName(const std::string& destBase, int number) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "_%3.3i", number);
    return destBase + suffix + ".jpg";
}

// A name counts as taken only when a file under it opens for reading.
bool IsTaken(const std::string& name) {
    platform::File probe;
    return probe.Open(name, platform::OpenMode::ReadExclusive);
}

std::string ErrorText(const platform::FileError& error) {
    return error.Message().substr(0, kErrorTextRoom);
}

void CopyBytes(platform::File& source, platform::File& copy) {
    char buffer[kCopyBuffer];
    for (;;) {
        const std::size_t got = source.Read(buffer, sizeof buffer);
        if (got == 0) break;
        copy.Write(buffer, got);
    }
}

// The file is closed either way; the failure that brought us here is the one to report.
void CloseQuietly(platform::File& file) {
    try {
        file.Close();
    } catch (const platform::FileError&) {
    }
}

}  // namespace

bool CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                    const std::string& sourcePath, const std::string& destBase) {
    int number = nextNumber;
    std::string copyName;
    for (;;) {
        if (number > kLastNumber) {
            messages.Show("Number of files with same title limited by 999");
            return false;
        }
        copyName = NumberedName(destBase, number);
        if (!IsTaken(copyName)) break;
        ++number;
    }
    // The number counts as used from here on, whatever happens to this photo.
    nextNumber = number + 1;

    platform::FileError error;
    platform::File source;
    if (!source.Open(sourcePath, platform::OpenMode::ReadDenyWrite, &error)) {
        messages.Show("Error Source " + ErrorText(error));
        return false;
    }
    // Created only when the name is free: a file that refused the free-name test (one
    // another program holds open, say) is never replaced.
    platform::File copy;
    if (!copy.Open(copyName, platform::OpenMode::CreateNew, &error)) {
        messages.Show("Error Destination " + ErrorText(error));
        return false;
    }
    try {
        CopyBytes(source, copy);
        copy.Close();
    } catch (...) {
        // A half-written copy must not stay behind looking like a whole photo.
        CloseQuietly(copy);
        platform::File::TryRemove(copyName);
        throw;
    }
    source.Close();
    return true;
}

}  // namespace transfer
