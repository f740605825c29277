// The photos named on the command line, taken by the main window at start.
#include "ui/command_line_photos.h"

#include "photos/command_line.h"
#include "photos/photo_list.h"
#include "settings/folder_settings.h"

namespace ui {

void TakePhotosFromCommandLine(const char* commandLine, CPhotoList& photos,
                               std::string& sourceFolder, CFolderSettings& settings) {
    photos::FillFromCommandLine(commandLine, photos);
    if (photos.Count() == 0) return;
    sourceFolder = photos::GetFolderOfPath(photos.GetAt(0));
    settings.SetSource(sourceFolder);
}

}  // namespace ui
