// The photos a folder stands for, as when a memory card's folder is dropped onto
// Brenvale's icon: every .jpg file below it that a file manager shows, and what stays.
#pragma once

#include <map>
#include <string>
#include <vector>

class CPhotoList;

namespace photos {

// Whether the file's name is a photo's as the open-file dialog's filter "*.jpg" takes it:
// it ends in ".jpg", in any case.
bool IsPhotoName(const std::string& name);

// The kind of a photo or video that Brenvale does not copy (a camera's RAW file, a .jpeg,
// .heic, .tif or .png, a video), as its extension in capitals (".CR2"); empty for every
// other file, a camera's catalogs, print orders and previews among them.
std::string OtherPhotoKind(const std::string& name);

// A folder that gave no photos, or not all of its photos.
struct FolderProblem {
    std::string folder;       // as given, or as reached below the folder given
    unsigned long error = 0;  // the system's error code when it could not be read; 0 when
                              // it was read and holds no photo
};

// What a selection leaves where it is, to be told before the save.
struct LeftOut {
    std::vector<FolderProblem> problems;
    // Photos that Windows would open as a device (NUL.jpg, COM1.jpg): never opened.
    std::vector<std::string> deviceNames;
    // The photos and videos below the folders that are not .jpg files, counted by kind.
    std::map<std::string, int> otherKinds;
};

// Adds to the list every photo below the folder, in its subfolders too, as the folder's
// path, a backslash and the names below it; the list is not sorted. Skipped are hidden and
// system files and folders, links (to folders and to photos: a photo is taken under its
// own name, once), and the folders that Windows and other computers keep on a card for
// themselves (a recycle bin, "System Volume Information", ".Trashes"). A folder below
// that cannot be read adds a problem, and so does the folder itself when it cannot be read
// or gives no photo; photos named like devices and other kinds of photos and videos are
// added to leftOut too. Returns how many photos were added.
int AddPhotosBelow(const std::string& folder, CPhotoList& photos, LeftOut& leftOut);

// Takes the photos that Windows would open as a device out of the list, into leftOut.
void TakeOutDeviceNames(CPhotoList& photos, LeftOut& leftOut);

}  // namespace photos
