// Files for the GUI tests of saving: photos with and without a date-time text, their
// copies read back, and folders made as a user's are, from outside Wine.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "driver/handle.h"

namespace brenvale {

// The start of a camera's JPEG file, the date-time text `dateTime` ("2023:07:14 10:15:00")
// when given, and `tail` to tell the photos apart.
std::string PhotoBytes(const std::string& dateTime, const std::string& tail);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
// Opens the file as another program (a viewer, a virus scanner) holds a photo open: without
// sharing, so that no other program can open it until the handle is closed.
gui_driver::OwnedHandle HoldOpen(const std::string& path);
// Makes the folder from outside Wine, as a user's folders appear.
void MakeFolder(const std::string& path);
// The names of the files in `folder`, sorted.
std::vector<std::string> FileNamesIn(const std::string& folder);
// The names of every entry in `folder`, files and folders, hidden ones too, sorted.
std::vector<std::string> EntryNamesIn(const std::string& folder);
// The names of the entries in `folder` that a file manager shows: the hidden ones left out.
std::vector<std::string> VisibleNamesIn(const std::string& folder);
// `count` Cyrillic letters in UTF-8, as a name in another script.
std::string Cyrillic(std::size_t count);
// Sets the file's last-write time to noon UTC of the given day.
void SetLastWriteDay(const std::string& path, int year, int month, int day);

}  // namespace brenvale
