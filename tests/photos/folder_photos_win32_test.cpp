// Folders and files that Explorer does not show, marked hidden or system by Windows itself:
// a folder on the command line does not stand for the photos in them.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "photos/folder_photos.h"
#include "photos/photo_list.h"
#include "test_support.h"

using testing_support::TempDir;

namespace {

bool Mark(const std::string& path, DWORD attributes) {
    return SetFileAttributesA(path.c_str(), attributes) &&
           (GetFileAttributesA(path.c_str()) & attributes) == attributes;
}

}  // namespace

TEST(FolderPhotosOnWindows, HiddenAndSystemFoldersAndFilesAreLeftOut) {
    TempDir card;
    for (const char* folder : {"DCIM/100CANON", "DCIM/PRIVATE", "FOUND.000"}) {
        std::filesystem::create_directories(card.Native(folder));
    }
    for (const char* file : {"DCIM/100CANON/IMG_0001.JPG", "DCIM/100CANON/IMG_0002.JPG",
                             "DCIM/PRIVATE/IMG_0003.JPG", "FOUND.000/FILE0000.JPG"}) {
        card.Write(file, "photo");
    }
    if (!Mark(card.PathOf("DCIM\\PRIVATE"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN) ||
        !Mark(card.PathOf("FOUND.000"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM) ||
        !Mark(card.PathOf("DCIM\\100CANON\\IMG_0002.JPG"), FILE_ATTRIBUTE_HIDDEN)) {
        GTEST_SKIP() << "this file system keeps no hidden or system marks";
    }
    CPhotoList list;
    std::vector<photos::FolderProblem> problems;
    EXPECT_EQ(1, photos::AddPhotosBelow(card.Path(), list, problems));
    ASSERT_EQ(1, list.Count());
    EXPECT_EQ(card.PathOf("DCIM\\100CANON\\IMG_0001.JPG"), list.GetAt(0));
    EXPECT_TRUE(problems.empty());
}
