// Reading the open-file dialog's result into the photo list.
#include "photos/file_dialog_result.h"

#include <cstring>

#include "photos/photo_list.h"

namespace photos {

namespace {

// The end of the result: the position of the first of two NULs in a row, or bufferSize.
std::size_t ResultEnd(const char* buffer, std::size_t bufferSize) {
    for (std::size_t i = 0; i + 1 < bufferSize; ++i) {
        if (buffer[i] == '\0' && buffer[i + 1] == '\0') return i;
    }
    return bufferSize;
}

}  // namespace

bool IsCompleteFileDialogResult(const char* buffer, std::size_t bufferSize) {
    return ResultEnd(buffer, bufferSize) < bufferSize;
}

void ParseFileDialogResult(const char* buffer, std::size_t bufferSize, CPhotoList& photos,
                           std::string& folder) {
    photos.Clear();
    folder.clear();
    const std::size_t end = ResultEnd(buffer, bufferSize);
    // Nothing picked, or a result cut off where the buffer ended.
    if (end == bufferSize || end == 0) return;

    // The texts lie between 0 and end, each followed by its NUL; the first is either the one
    // path or the folder.
    const std::size_t firstLength = std::strlen(buffer);
    if (firstLength == end) {
        photos.Add(buffer);
    } else {
        folder.assign(buffer, firstLength);
        std::string path;
        for (std::size_t at = firstLength + 1; at < end;) {
            const std::size_t nameLength = std::strlen(buffer + at);
            path.assign(folder).append(1, '\\').append(buffer + at, nameLength);
            photos.Add(path.c_str());
            at += nameLength + 1;
        }
    }
    photos.Sort();
}

}  // namespace photos
