// Folders and files made the way a user's appear: by a program of the computer outside
// Wine (a file manager, a card reader, a shell), not by this Wine process. On Windows,
// where nothing is outside, the same Win32 calls as a file manager's are made.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace gui_driver {

// Whether the tests run under Wine and can start programs of the Linux host.
bool CanWorkOutside();

// Makes the folder and any missing folder above it.
void MakeFoldersOutside(const std::string& folder);
// Sets the last-write time of the file or folder to `minutes` minutes ago, as if that
// much time had passed since it last changed.
void BackdateOutside(const std::string& path, int minutes);
// Removes the files `names` in `folder`, when they are there.
void RemoveFilesOutside(const std::string& folder, const std::vector<std::string>& names);
// Removes the files from outside once it goes: files with names that Windows opens as
// devices (NUL.jpg, COM1.jpg), which Windows cannot remove itself.
class FilesRemovedOutside {
public:
    FilesRemovedOutside(std::string folder, std::vector<std::string> names)
        : folder_(std::move(folder)), names_(std::move(names)) {}
    ~FilesRemovedOutside() { RemoveFilesOutside(folder_, names_); }
    FilesRemovedOutside(const FilesRemovedOutside&) = delete;
    FilesRemovedOutside& operator=(const FilesRemovedOutside&) = delete;

private:
    std::string folder_;
    std::vector<std::string> names_;
};
// Removes the empty folder.
void RemoveFolderOutside(const std::string& folder);
// Makes `link` a symbolic link to `target` (a path relative to the link's folder, or a full
// path), as a user's file manager or shell makes one.
void MakeLinkOutside(const std::string& target, const std::string& link);
// Writes `bytes` into each of the files `names` in `folder`, in one go.
void WriteFilesOutside(const std::string& folder, const std::vector<std::string>& names,
                       const std::string& bytes);

}  // namespace gui_driver
