// The walk through a folder given for its photos.
#include "photos/folder_photos.h"

#include <cstddef>

#include "photos/photo_list.h"
#include "platform/folder.h"

namespace photos {

namespace {

bool SameIgnoringCase(const std::string& a, const char* b) {
    return platform::FoldedName(a) == platform::FoldedName(b);
}

// Folders that Windows and other computers make on a card for their own use. Windows marks
// its own as hidden and system, but a card written by another computer may not carry those
// marks; a dot name (".Trashes", ".Spotlight-V100") is hidden wherever it was made.
bool IsKeptForTheSystem(const std::string& name) {
    static const char* const kSystemFolders[] = {"System Volume Information", "$RECYCLE.BIN",
                                                 "RECYCLER", "RECYCLED"};
    for (const char* systemFolder : kSystemFolders) {
        if (SameIgnoringCase(name, systemFolder)) return true;
    }
    return false;
}

bool IsShown(const platform::FolderEntry& entry) {
    return !entry.isHidden && entry.name[0] != '.' &&
           !(entry.isFolder && IsKeptForTheSystem(entry.name));
}

std::string PathIn(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return folder + (last == '\\' || last == '/' ? "" : "\\") + name;
}

}  // namespace

bool IsPhotoName(const std::string& name) {
    static const char kExtension[] = ".jpg";
    const std::size_t length = sizeof kExtension - 1;
    return name.size() >= length && SameIgnoringCase(name.substr(name.size() - length), kExtension);
}

int AddPhotosBelow(const std::string& folder, CPhotoList& photos,
                   std::vector<FolderProblem>& problems) {
    int added = 0;
    // The order of the walk does not matter: the list is sorted once it is filled.
    std::vector<std::string> toRead{folder};
    while (!toRead.empty()) {
        const std::string current = toRead.back();
        toRead.pop_back();
        std::vector<platform::FolderEntry> entries;
        if (const unsigned long code = platform::ReadFolder(current, entries)) {
            problems.push_back({current, code});
            if (current == folder) return 0;
            continue;
        }
        for (const platform::FolderEntry& entry : entries) {
            if (entry.name.empty() || !IsShown(entry)) continue;
            if (entry.isFolder) {
                if (!entry.isLink) toRead.push_back(PathIn(current, entry.name));
            } else if (IsPhotoName(entry.name)) {
                photos.Add(PathIn(current, entry.name).c_str());
                ++added;
            }
        }
    }
    if (added == 0) problems.push_back({folder, 0});
    return added;
}

}  // namespace photos
