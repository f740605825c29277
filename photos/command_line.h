// Photos named on the command line, for example photos dropped onto Brenvale's icon.
#pragma once

#include <string>

class CPhotoList;

namespace photos {

// Replaces the list's entries with the paths in the command-line text, sorted. Only the
// blank separates paths; a double quote turns quoting on without ending the path so far,
// and a closing quote always ends one (an empty one included). Paths of any length are
// kept whole.
void FillFromCommandLine(const char* commandLine, CPhotoList& photos);

// The absolute folder of the file at the path, with its final backslash (the folder
// "E:\DCIM\100CANON\" for the photo "E:\DCIM\100CANON\IMG_0001.JPG", and "E:\" for a photo
// in a drive's root). The file is opened for reading with no sharing to confirm it can be
// read; FileError names the path as given.
std::string GetFolderOfPath(std::string path);

}  // namespace photos
