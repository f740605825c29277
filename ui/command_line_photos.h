// The photos named on the command line becoming the main window's selection, and the
// folder of the first one its source folder.
#pragma once

#include <string>

class CFolderSettings;
class CPhotoList;

namespace ui {

// Fills the list from the command line and, when it names at least one photo, makes the
// folder of the first one in sorted order the source folder, also in the settings. When
// that photo cannot be opened, FileError leaves with the list filled and the source
// folder and the settings as they were.
void TakePhotosFromCommandLine(const char* commandLine, CPhotoList& photos,
                               std::string& sourceFolder, CFolderSettings& settings);

}  // namespace ui
