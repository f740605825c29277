// The walk through a folder given for its photos.
#include "photos/folder_photos.h"

#include <algorithm>
#include <cstddef>
#include <tuple>

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

struct FoundPhoto {
    std::string path;
    unsigned long long size;
    unsigned long long writeTime;
};

// Two names of one file (a link the system does not show as one, as Wine does with a
// Linux link to a photo; a hard link): the photo is taken once, under the name first in
// byte order. Only names that list the same size and time are asked for their file.
void TakeEachFileOnce(std::vector<FoundPhoto>& found) {
    std::sort(found.begin(), found.end(), [](const FoundPhoto& a, const FoundPhoto& b) {
        return std::tie(a.size, a.writeTime, a.path) < std::tie(b.size, b.writeTime, b.path);
    });
    std::vector<FoundPhoto> once;
    for (std::size_t first = 0; first < found.size();) {
        std::size_t end = first + 1;
        while (end < found.size() && found[end].size == found[first].size &&
               found[end].writeTime == found[first].writeTime) {
            ++end;
        }
        std::vector<platform::FileIdentity> taken;
        for (std::size_t i = first; i < end; ++i) {
            platform::FileIdentity identity;
            // A photo whose file cannot be told is kept: it may be a photo of its own.
            if (end - first > 1 && platform::IdentityOf(found[i].path, identity)) {
                if (std::find(taken.begin(), taken.end(), identity) != taken.end()) continue;
                taken.push_back(identity);
            }
            once.push_back(std::move(found[i]));
        }
        first = end;
    }
    found = std::move(once);
}

}  // namespace

bool IsPhotoName(const std::string& name) {
    static const char kExtension[] = ".jpg";
    const std::size_t length = sizeof kExtension - 1;
    return name.size() >= length && SameIgnoringCase(name.substr(name.size() - length), kExtension);
}

std::string OtherPhotoKind(const std::string& name) {
    // RAW photos, JPEG files under other names, HEIF, TIFF and PNG photos, and videos.
    static const char* const kKinds[] = {
        ".cr2", ".cr3",  ".crw",  ".nef", ".nrw", ".arw",  ".srf",  ".sr2", ".dng", ".raf",
        ".orf", ".rw2",  ".pef",  ".srw", ".x3f", ".3fr",  ".iiq",  ".rwl", ".gpr", ".jpeg",
        ".jpe", ".heic", ".heif", ".hif", ".tif", ".tiff", ".png",  ".mov", ".mp4", ".m4v",
        ".avi", ".mts",  ".m2ts", ".mxf", ".3gp", ".mpg",  ".mpeg", ".wmv"};
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return std::string();
    const std::string extension = platform::FoldedName(name.substr(dot));
    for (const char* kind : kKinds) {
        if (extension == kind) {
            std::string shown = extension;
            for (char& c : shown) {
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            }
            return shown;
        }
    }
    return std::string();
}

int AddPhotosBelow(const std::string& folder, CPhotoList& photos, LeftOut& leftOut) {
    std::vector<FoundPhoto> found;
    // The order of the walk does not matter: the list is sorted once it is filled.
    std::vector<std::string> toRead{folder};
    while (!toRead.empty()) {
        const std::string current = toRead.back();
        toRead.pop_back();
        std::vector<platform::FolderEntry> entries;
        if (const unsigned long code = platform::ReadFolder(current, entries)) {
            leftOut.problems.push_back({current, code});
            if (current == folder) return 0;
            continue;
        }
        for (const platform::FolderEntry& entry : entries) {
            if (entry.name.empty() || !IsShown(entry) || entry.isLink) continue;
            const std::string path = PathIn(current, entry.name);
            if (entry.isFolder) {
                toRead.push_back(path);
            } else if (!IsPhotoName(entry.name)) {
                const std::string kind = OtherPhotoKind(entry.name);
                if (!kind.empty()) ++leftOut.otherKinds[kind];
            } else if (platform::IsDeviceName(entry.name)) {
                leftOut.deviceNames.push_back(path);
            } else {
                found.push_back({path, entry.size, entry.writeTime});
            }
        }
    }
    TakeEachFileOnce(found);
    for (const FoundPhoto& photo : found) photos.Add(photo.path.c_str());
    if (found.empty()) leftOut.problems.push_back({folder, 0});
    return static_cast<int>(found.size());
}

void TakeOutDeviceNames(CPhotoList& photos, LeftOut& leftOut) {
    std::vector<std::string> kept;
    for (int i = 0; i < photos.Count(); ++i) {
        const std::string path = photos.GetAt(i);
        if (platform::IsDeviceName(path)) {
            leftOut.deviceNames.push_back(path);
        } else {
            kept.push_back(path);
        }
    }
    if (kept.size() == static_cast<std::size_t>(photos.Count())) return;
    photos.Clear();
    for (const std::string& path : kept) photos.Add(path.c_str());
}

}  // namespace photos
