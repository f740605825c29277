// Photos named on the command line, for example photos dropped onto Brenvale's icon.
#pragma once

#include <string>

class CFolderSettings;
class CPhotoList;

namespace photos {

// Replaces the list's entries with the paths in the command-line text, sorted. Only the
// blank separates paths; a double quote turns quoting on without ending the path so far,
// and a closing quote always ends one (an empty one included). Paths of any length are
// kept whole.
void FillFromCommandLine(const char* commandLine, CPhotoList& photos);

// Fills the list from the command line and, when it names at least one photo, makes the
// folder of the first one in sorted order the source folder, also in the settings. When
// that photo cannot be opened, FileError leaves with the list filled and the source
// folder and the settings as they were.
void TakePhotosFromCommandLine(const char* commandLine, CPhotoList& photos,
                               std::string& sourceFolder, CFolderSettings& settings);

// The absolute folder of the file at the path, with its final backslash (the folder
// "E:\DCIM\100CANON\" for the photo "E:\DCIM\100CANON\IMG_0001.JPG", and "E:\" for a photo
// in a drive's root). The file is opened for reading with no sharing to confirm it can be
// read; FileError names the path as given.
std::string GetFolderOfPath(std::string path);

}  // namespace photos
