// The photos a folder stands for, as when a memory card's folder is dropped onto
// Brenvale's icon: every .jpg file below it that a file manager shows.
#pragma once

#include <string>
#include <vector>

class CPhotoList;

namespace photos {

// Whether the file's name is a photo's as the open-file dialog's filter "*.jpg" takes it:
// it ends in ".jpg", in any case.
bool IsPhotoName(const std::string& name);

// A folder that gave no photos, or not all of its photos.
struct FolderProblem {
    std::string folder;       // as given, or as reached below the folder given
    unsigned long error = 0;  // the system's error code when it could not be read; 0 when
                              // it was read and holds no photo
};

// Adds to the list every photo below the folder, in its subfolders too, as the folder's
// path, a backslash and the names below it; the list is not sorted. Skipped are hidden and
// system files and folders, links to other folders, and the folders that Windows and other
// computers keep on a card for themselves (a recycle bin, "System Volume Information",
// ".Trashes"). A folder below that cannot be read adds a problem, and so does the folder
// itself when it cannot be read or gives no photo. Returns how many photos were added.
int AddPhotosBelow(const std::string& folder, CPhotoList& photos,
                   std::vector<FolderProblem>& problems);

}  // namespace photos
