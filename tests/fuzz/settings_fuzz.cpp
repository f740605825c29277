// The settings file as a user might have edited it: read, written back at exit, and read
// again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "settings/folder_settings.h"

namespace {

// No path is longer than 32767 characters of at most three bytes each; a folder in the
// legacy code page, turned into UTF-8, may take three bytes for each of its bytes.
constexpr std::size_t kLongestValue = 3 * 3 * 32767;

std::string Saved(const std::string& source, const std::string& dest) {
    return "[source]\r\n" + source + "\r\n[dest]\r\n" + dest + "\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz_support::ScratchFolder& folder = fuzz_support::ScratchFolder::Get();
    folder.Empty();
    folder.Write("brenvale.ini", std::string(reinterpret_cast<const char*>(data), size));
    const std::string executable = folder.PathOf("brenvale.exe");

    std::string source;
    std::string dest;
    {
        CFolderSettings settings(executable);
        source = settings.GetSource();
        dest = settings.GetDest();
    }
    for (const std::string* value : {&source, &dest}) {
        FUZZ_CHECK(value->find('\n') == std::string::npos);
        FUZZ_CHECK(value->size() <= kLongestValue);
    }
    std::string written;
    FUZZ_CHECK(folder.Read("brenvale.ini", written));
    FUZZ_CHECK(written == Saved(source, dest));
    FUZZ_CHECK(folder.Listing() == "brenvale.ini\n");

    // Read back, the folders are the same (one from the legacy code page was written in
    // UTF-8), except that a source folder "[dest]" is also the line after the first "[dest]".
    CFolderSettings again(executable);
    FUZZ_CHECK(again.GetSource() == source);
    FUZZ_CHECK(again.GetDest() == (source == "[dest]" ? source : dest));
    return 0;
}
