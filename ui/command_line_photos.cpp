// The photos named on the command line, taken by the main window at start.
#include "ui/command_line_photos.h"

#include "photos/command_line.h"
#include "photos/photo_list.h"
#include "settings/folder_settings.h"
#include "ui/selection_notices.h"

namespace ui {

bool TakePhotosFromCommandLine(const char* commandLine, CPhotoList& photos,
                               std::string& sourceFolder, CFolderSettings& settings,
                               framework::MessagePort& messages) {
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders(commandLine, photos);
    const std::string notice = SelectionNotice(folders.leftOut, folders.folders, photos.Count());
    if (!notice.empty()) messages.Show(notice);
    if (folders.nothingToSave) return false;
    if (photos.Count() == 0) return true;
    sourceFolder = photos::GetFolderOfPath(photos.GetAt(0));
    settings.SetSource(sourceFolder);
    return true;
}

}  // namespace ui
