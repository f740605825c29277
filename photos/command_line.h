// Photos named on the command line, for example photos dropped onto Brenvale's icon.
#pragma once

#include <string>
#include <vector>

#include "photos/folder_photos.h"

class CPhotoList;

namespace photos {

// The paths of the command-line text, in the order given, by the rules of
// FillFromCommandLine.
std::vector<std::string> SplitCommandLine(const char* commandLine);

// Replaces the list's entries with the paths in the command-line text, sorted. Only the
// blank separates paths; a double quote turns quoting on without ending the path so far,
// and a closing quote always ends one (an empty one included). Paths of any length are
// kept whole.
void FillFromCommandLine(const char* commandLine, CPhotoList& photos);

// What the folders on a command line gave besides photos.
struct CommandLineFolders {
    // Folders that gave no photo or not all of them, photos named like devices, and the
    // photos and videos that are not copied (AddPhotosBelow).
    LeftOut leftOut;
    // How many of the paths named folders.
    int folders = 0;
    // Paths were given, and none of them gave a photo to save: only folders without
    // photos, and photos that Windows takes for devices.
    bool nothingToSave = false;
};

// As FillFromCommandLine, but a path that names a folder stands for the photos below it
// (AddPhotosBelow) instead of itself, and a path that Windows takes for a device is left
// out, never opened. Photo paths and folders may be mixed; a path that names nothing is
// kept as a photo path.
CommandLineFolders FillFromCommandLineWithFolders(const char* commandLine, CPhotoList& photos);

// The absolute folder of the file at the path, with its final backslash (the folder
// "E:\DCIM\100CANON\" for the photo "E:\DCIM\100CANON\IMG_0001.JPG", and "E:\" for a photo
// in a drive's root). The file is opened for reading with no sharing to confirm it can be
// read; FileError names the path as given.
std::string GetFolderOfPath(std::string path);

}  // namespace photos
