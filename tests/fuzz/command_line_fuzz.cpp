// The command-line tokenizer and the sort after it, on any text a shell or a file manager
// might pass.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "photos/command_line.h"
#include "photos/photo_list.h"

namespace {

std::vector<std::string> Entries(const CPhotoList& photos) {
    std::vector<std::string> entries;
    for (int i = 0; i < photos.Count(); ++i) entries.push_back(photos.GetAt(i));
    return entries;
}

template <typename Keep>
std::size_t CountOf(const std::string& text, Keep keep) {
    std::size_t count = 0;
    for (char c : text) count += keep(c) ? 1 : 0;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The command line ends at its first NUL, as the system hands it over.
    const std::string commandLine(reinterpret_cast<const char*>(data),
                                  strnlen(reinterpret_cast<const char*>(data), size));
    CPhotoList photos;
    photos.Add("left over from an earlier selection");
    photos::FillFromCommandLine(commandLine.c_str(), photos);
    const std::vector<std::string> paths = Entries(photos);

    auto isBlank = [](char c) { return c == ' '; };
    auto isQuote = [](char c) { return c == '"'; };
    auto isKept = [](char c) { return c != ' ' && c != '"'; };
    std::size_t keptBytes = 0;
    std::size_t totalLength = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string& path = paths[i];
        FUZZ_CHECK(path.size() <= commandLine.size());
        FUZZ_CHECK(path.find('"') == std::string::npos);
        // Sorted as unsigned bytes; std::string compares that way too.
        if (i > 0) FUZZ_CHECK(paths[i - 1] <= path);
        keptBytes += CountOf(path, isKept);
        totalLength += path.size();
    }
    // Only quotes and the blanks between paths are dropped: every other byte is in a path.
    FUZZ_CHECK(keptBytes == CountOf(commandLine, isKept));
    FUZZ_CHECK(totalLength <= commandLine.size() - CountOf(commandLine, isQuote));
    // Every path starts where a token can start: a quote closes one, a blank run separates.
    FUZZ_CHECK(paths.size() <=
               CountOf(commandLine, isQuote) / 2 + CountOf(commandLine, isBlank) + 1);

    // The paths, each in quotes, make a command line that gives the same list again.
    std::string quoted;
    for (const std::string& path : paths) quoted += "\"" + path + "\" ";
    CPhotoList again;
    photos::FillFromCommandLine(quoted.c_str(), again);
    FUZZ_CHECK(Entries(again) == paths);
    return 0;
}
