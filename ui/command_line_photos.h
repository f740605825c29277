// The photos named on the command line becoming the main window's selection, and the
// folder of the first one its source folder. A folder on the command line (a memory card's,
// dropped onto the icon or handed over by AutoPlay) stands for the photos below it.
#pragma once

#include <string>

#include "framework/message_port.h"

class CFolderSettings;
class CPhotoList;

namespace ui {

// Fills the list from the command line and, when it names at least one photo, makes the
// folder of the first one in sorted order the source folder, also in the settings. Tells
// the user, in one notice, of each folder that gave no photos or not all of them, of the
// photos left out for names Windows takes for devices, of the photos and videos below the
// folders that are not copied, and when the photos come to more than one save can number.
// Returns false when the command line gave nothing to save (only folders without photos,
// photos named like devices): the window then opens as if started without it. When the
// first photo cannot be opened, FileError leaves with the list filled and the source
// folder and the settings as they were.
bool TakePhotosFromCommandLine(const char* commandLine, CPhotoList& photos,
                               std::string& sourceFolder, CFolderSettings& settings,
                               framework::MessagePort& messages);

}  // namespace ui
