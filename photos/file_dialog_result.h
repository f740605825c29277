// The photos picked in the open-file dialog, as the dialog hands them back: NUL-terminated
// texts one after the other, ended by an extra NUL. One photo gives its full path alone;
// several give the folder first and then each photo's name.
#pragma once

#include <cstddef>
#include <string>

class CPhotoList;

namespace photos {

// The result buffer's size: the most the open-file dialog's ANSI form hands back (32 K).
// A camera's 999 photos (IMG_0001.JPG ...) need 13 bytes each, under 13 K with their folder.
inline constexpr std::size_t kFileDialogResultSize = 32768;

// Whether the buffer holds a whole result: two NULs in a row within its first bufferSize
// bytes. A selection too large for the buffer can come back cut off without them.
bool IsCompleteFileDialogResult(const char* buffer, std::size_t bufferSize);

// Replaces the list's entries with the paths of the result, sorted: the one full path, or
// the folder, a backslash and each name (a drive's root such as "E:\" then gives two
// backslashes in a row). folder gets the result's folder text, empty after a single
// selection. An empty or incomplete result leaves the list and the folder empty. Never
// reads past bufferSize.
void ParseFileDialogResult(const char* buffer, std::size_t bufferSize, CPhotoList& photos,
                           std::string& folder);

}  // namespace photos
