// A folder on the command line standing for the photos below it, as a memory card's
// folder dropped onto the icon or handed over by AutoPlay.
#include "photos/folder_photos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "photos/command_line.h"
#include "photos/photo_list.h"
#include "test_support.h"

using testing_support::TempDir;

namespace {

std::vector<std::string> Entries(const CPhotoList& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.emplace_back(list.GetAt(i));
    return entries;
}

// A card as cameras and computers leave it: photos in two camera folders, in any case of
// their extension, beside files that are not photos, and the folders and files that
// Windows and other computers keep on a card for themselves, each with a .jpg inside.
class Card : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"DCIM/100CANON", "DCIM/101CANON/deeper", "MISC",
                                   "System Volume Information", "$RECYCLE.BIN/S-1-5-21", "RECYCLER",
                                   ".Trashes/501", "DCIM/.thumbnails", "PRIVATE/$RECYCLE.BIN"}) {
            std::filesystem::create_directories(card_.Native(folder));
        }
        for (const char* file :
             {"DCIM/100CANON/IMG_0001.JPG", "DCIM/100CANON/img_0002.jpg",
              "DCIM/100CANON/IMG_0003.Jpg", "DCIM/101CANON/IMG_0101.JPG",
              "DCIM/101CANON/deeper/IMG_0201.JPG", "MISC/AUTPRINT.MRK", "MISC/IMG_0001.JPEG",
              "DCIM/100CANON/IMG_0004.jpg.txt", "DCIM/100CANON/IMG_0005.CR2", "NOTJPG",
              "System Volume Information/IndexerVolumeGuid.jpg",
              "$RECYCLE.BIN/S-1-5-21/$RDELETED.jpg", "RECYCLER/old.JPG", ".Trashes/501/gone.JPG",
              "DCIM/.thumbnails/IMG_0001.JPG", "DCIM/100CANON/._IMG_0001.JPG",
              "PRIVATE/$RECYCLE.BIN/$R1.JPG", "PRIVATE/._IMG_0001.JPG"}) {
            card_.Write(file, "bytes");
        }
    }

    std::string Below(const std::string& path) const { return card_.PathOf(path); }

    TempDir card_;
};

}  // namespace

TEST(PhotoName, EndsInDotJpgInAnyCase) {
    for (const char* name : {"IMG_0001.JPG", "a.jpg", "b.Jpg", ".jpg", "x.jPG"}) {
        EXPECT_TRUE(photos::IsPhotoName(name)) << name;
    }
    for (const char* name : {"IMG.JPEG", "a.jpg.txt", "jpg", "a_jpg", "a.jp", "", "a.jpg "}) {
        EXPECT_FALSE(photos::IsPhotoName(name)) << name;
    }
}

TEST_F(Card, TheRootStandsForEveryPhotoBelowItAndNothingElse) {
    CPhotoList list;
    std::vector<photos::FolderProblem> problems;
    EXPECT_EQ(5, photos::AddPhotosBelow(card_.Path(), list, problems));
    list.Sort();
    EXPECT_EQ(Entries(list), (std::vector<std::string>{
                                 Below("DCIM\\100CANON\\IMG_0001.JPG"),
                                 Below("DCIM\\100CANON\\IMG_0003.Jpg"),
                                 Below("DCIM\\100CANON\\img_0002.jpg"),
                                 Below("DCIM\\101CANON\\IMG_0101.JPG"),
                                 Below("DCIM\\101CANON\\deeper\\IMG_0201.JPG"),
                             }));
    EXPECT_TRUE(problems.empty());
}

TEST_F(Card, AFolderGivenWithItsBackslashGivesPathsWithOneBackslash) {
    CPhotoList list;
    std::vector<photos::FolderProblem> problems;
    photos::AddPhotosBelow(Below("DCIM\\101CANON\\"), list, problems);
    list.Sort();
    EXPECT_EQ(Entries(list), (std::vector<std::string>{
                                 Below("DCIM\\101CANON\\IMG_0101.JPG"),
                                 Below("DCIM\\101CANON\\deeper\\IMG_0201.JPG"),
                             }));
}

TEST_F(Card, PhotosAndFoldersMixedOnTheCommandLineAreSortedTogether) {
    card_.Write("IMG_0000.JPG", "loose");
    CPhotoList list;
    list.Add("left over from before");
    // A photo, a folder in quotes, and a path that names nothing, which stays a photo path.
    const std::string commandLine = Below("IMG_0000.JPG") + " \"" + Below("DCIM\\101CANON") +
                                    "\" " + Below("DCIM\\100CANON\\missing.jpg");
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders(commandLine.c_str(), list);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{
                                 Below("DCIM\\100CANON\\missing.jpg"),
                                 Below("DCIM\\101CANON\\IMG_0101.JPG"),
                                 Below("DCIM\\101CANON\\deeper\\IMG_0201.JPG"),
                                 Below("IMG_0000.JPG"),
                             }));
    EXPECT_TRUE(folders.problems.empty());
    EXPECT_FALSE(folders.onlyFoldersWithoutPhotos);
}

TEST_F(Card, AFolderOfOnlySkippedThingsHoldsNoPhoto) {
    CPhotoList list;
    const std::string commandLine = Below("MISC") + " " + Below("PRIVATE");
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders(commandLine.c_str(), list);
    EXPECT_EQ(0, list.Count());
    ASSERT_EQ(2u, folders.problems.size());
    for (const photos::FolderProblem& problem : folders.problems) {
        EXPECT_EQ(0u, problem.error) << problem.folder;
    }
    EXPECT_EQ(Below("MISC"), folders.problems[0].folder);
    EXPECT_TRUE(folders.onlyFoldersWithoutPhotos);
}

TEST(FolderPhotos, AnEmptyFolderIsToldAndAddsNothing) {
    TempDir dir;
    CPhotoList list;
    list.Add("kept");
    std::vector<photos::FolderProblem> problems;
    EXPECT_EQ(0, photos::AddPhotosBelow(dir.Path(), list, problems));
    EXPECT_EQ(Entries(list), std::vector<std::string>{"kept"});
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ(dir.Path(), problems[0].folder);
    EXPECT_EQ(0u, problems[0].error);
}

TEST(FolderPhotos, AFolderThatCannotBeReadIsToldWithTheSystemsReason) {
    // A card pulled out between the start and the walk: the folder is gone.
    TempDir dir;
    CPhotoList list;
    std::vector<photos::FolderProblem> problems;
    EXPECT_EQ(0, photos::AddPhotosBelow(dir.PathOf("gone"), list, problems));
    EXPECT_EQ(0, list.Count());
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ(dir.PathOf("gone"), problems[0].folder);
    EXPECT_NE(0u, problems[0].error);
}

TEST(FolderPhotos, AnEmptyFolderBesideAPhotoLeavesThePhotoSelected) {
    TempDir dir;
    std::filesystem::create_directory(dir.Native("empty"));
    dir.Write("IMG_0001.JPG", "photo");
    CPhotoList list;
    const std::string commandLine = dir.PathOf("empty") + " " + dir.PathOf("IMG_0001.JPG");
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders(commandLine.c_str(), list);
    EXPECT_EQ(Entries(list), std::vector<std::string>{dir.PathOf("IMG_0001.JPG")});
    ASSERT_EQ(1u, folders.problems.size());
    EXPECT_EQ(dir.PathOf("empty"), folders.problems[0].folder);
    EXPECT_FALSE(folders.onlyFoldersWithoutPhotos);
}

TEST(FolderPhotos, ACommandLineWithoutFoldersIsTakenAsBefore) {
    CPhotoList list;
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders("E:\\b.jpg \"\" E:\\a.jpg", list);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"", "E:\\a.jpg", "E:\\b.jpg"}));
    EXPECT_TRUE(folders.problems.empty());
    EXPECT_FALSE(folders.onlyFoldersWithoutPhotos);
    // A lone quote names nothing at all: not a command line of folders.
    EXPECT_FALSE(photos::FillFromCommandLineWithFolders("\"", list).onlyFoldersWithoutPhotos);
}
