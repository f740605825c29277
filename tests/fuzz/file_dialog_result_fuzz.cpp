// The open-file dialog's result: NUL-terminated strings ended by an extra NUL, either one
// full path or a folder and the names chosen in it. The input fills a buffer of exactly its
// size on the heap, so any read past the buffer's end is caught.
#include "photos/file_dialog_result.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "photos/photo_list.h"

namespace {

// The strings of a whole result, the texts between its NULs.
std::vector<std::string> Strings(const std::string& result) {
    std::vector<std::string> strings;
    std::size_t start = 0;
    for (;;) {
        const std::size_t nul = result.find('\0', start);
        strings.push_back(result.substr(start, nul - start));
        if (nul == std::string::npos) return strings;
        start = nul + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::unique_ptr<char[]> buffer(new char[size]);
    std::memcpy(buffer.get(), data, size);
    const std::string bytes(buffer.get(), size);
    // The result ends at the first two NULs in a row.
    const std::size_t end = bytes.find(std::string(2, '\0'));
    FUZZ_CHECK(photos::IsCompleteFileDialogResult(buffer.get(), size) ==
               (end != std::string::npos));

    CPhotoList photos;
    photos.Add("left over from an earlier selection");
    std::string folder = "left over";
    photos::ParseFileDialogResult(buffer.get(), size, photos, folder);
    std::vector<std::string> paths;
    for (int i = 0; i < photos.Count(); ++i) paths.push_back(photos.GetAt(i));

    // A cut-off or empty result picks nothing.
    std::vector<std::string> expected;
    std::string expectedFolder;
    if (end != std::string::npos && end > 0) {
        // One string is the full path; otherwise the folder, a backslash and each name.
        const std::vector<std::string> strings = Strings(bytes.substr(0, end));
        if (strings.size() == 1) {
            expected = strings;
        } else {
            expectedFolder = strings[0];
            for (std::size_t i = 1; i < strings.size(); ++i) {
                expected.push_back(expectedFolder + "\\" + strings[i]);
            }
            std::sort(expected.begin(), expected.end());
        }
    }
    FUZZ_CHECK(paths == expected);
    FUZZ_CHECK(folder == expectedFolder);
    return 0;
}
