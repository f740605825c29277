// A folder on the command line standing for the photos below it, as a memory card's
// folder dropped onto the icon or handed over by AutoPlay.
#include "photos/folder_photos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
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
    photos::LeftOut leftOut;
    EXPECT_EQ(5, photos::AddPhotosBelow(card_.Path(), list, leftOut));
    list.Sort();
    EXPECT_EQ(Entries(list), (std::vector<std::string>{
                                 Below("DCIM\\100CANON\\IMG_0001.JPG"),
                                 Below("DCIM\\100CANON\\IMG_0003.Jpg"),
                                 Below("DCIM\\100CANON\\img_0002.jpg"),
                                 Below("DCIM\\101CANON\\IMG_0101.JPG"),
                                 Below("DCIM\\101CANON\\deeper\\IMG_0201.JPG"),
                             }));
    EXPECT_TRUE(leftOut.problems.empty());
}

TEST_F(Card, AFolderGivenWithItsBackslashGivesPathsWithOneBackslash) {
    CPhotoList list;
    photos::LeftOut leftOut;
    photos::AddPhotosBelow(Below("DCIM\\101CANON\\"), list, leftOut);
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
    EXPECT_TRUE(folders.leftOut.problems.empty());
    EXPECT_FALSE(folders.nothingToSave);
}

TEST_F(Card, AFolderOfOnlySkippedThingsHoldsNoPhoto) {
    CPhotoList list;
    const std::string commandLine = Below("MISC") + " " + Below("PRIVATE");
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders(commandLine.c_str(), list);
    EXPECT_EQ(0, list.Count());
    ASSERT_EQ(2u, folders.leftOut.problems.size());
    for (const photos::FolderProblem& problem : folders.leftOut.problems) {
        EXPECT_EQ(0u, problem.error) << problem.folder;
    }
    EXPECT_EQ(Below("MISC"), folders.leftOut.problems[0].folder);
    EXPECT_TRUE(folders.nothingToSave);
}

TEST(FolderPhotos, AnEmptyFolderIsToldAndAddsNothing) {
    TempDir dir;
    CPhotoList list;
    list.Add("kept");
    photos::LeftOut leftOut;
    EXPECT_EQ(0, photos::AddPhotosBelow(dir.Path(), list, leftOut));
    EXPECT_EQ(Entries(list), std::vector<std::string>{"kept"});
    ASSERT_EQ(1u, leftOut.problems.size());
    EXPECT_EQ(dir.Path(), leftOut.problems[0].folder);
    EXPECT_EQ(0u, leftOut.problems[0].error);
}

TEST(FolderPhotos, AFolderThatCannotBeReadIsToldWithTheSystemsReason) {
    // A card pulled out between the start and the walk: the folder is gone.
    TempDir dir;
    CPhotoList list;
    photos::LeftOut leftOut;
    EXPECT_EQ(0, photos::AddPhotosBelow(dir.PathOf("gone"), list, leftOut));
    EXPECT_EQ(0, list.Count());
    ASSERT_EQ(1u, leftOut.problems.size());
    EXPECT_EQ(dir.PathOf("gone"), leftOut.problems[0].folder);
    EXPECT_NE(0u, leftOut.problems[0].error);
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
    ASSERT_EQ(1u, folders.leftOut.problems.size());
    EXPECT_EQ(dir.PathOf("empty"), folders.leftOut.problems[0].folder);
    EXPECT_FALSE(folders.nothingToSave);
}

TEST(FolderPhotos, ACommandLineWithoutFoldersIsTakenAsBefore) {
    CPhotoList list;
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders("E:\\b.jpg \"\" E:\\a.jpg", list);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"", "E:\\a.jpg", "E:\\b.jpg"}));
    EXPECT_TRUE(folders.leftOut.problems.empty());
    EXPECT_FALSE(folders.nothingToSave);
    // A lone quote names nothing at all: not a command line of folders.
    EXPECT_FALSE(photos::FillFromCommandLineWithFolders("\"", list).nothingToSave);
}

TEST_F(Card, PhotosAndVideosThatAreNotJpgFilesAreCountedByKindButNotWhatTheWalkSkips) {
    for (const char* file :
         {"DCIM/100CANON/img_0006.cr2", "DCIM/100CANON/MVI_0007.MOV", "DCIM/100CANON/MVI_0007.THM",
          "DCIM/100CANON/GX010008.LRV", "MISC/CANONMSC.CTG", "DCIM/100CANON/._IMG_0005.CR2",
          "DCIM/.thumbnails/IMG_0009.CR2", ".Trashes/501/MVI_0010.MOV",
          "System Volume Information/x.mov", "DCIM/101CANON/deeper/clip.mp4"}) {
        card_.Write(file, "bytes");
    }
    CPhotoList list;
    photos::LeftOut leftOut;
    EXPECT_EQ(5, photos::AddPhotosBelow(card_.Path(), list, leftOut));
    // The camera's previews (.THM, .LRV), catalogs and print orders are no photos; hidden
    // and system folders and dot names are not looked into.
    EXPECT_EQ(leftOut.otherKinds,
              (std::map<std::string, int>{{".CR2", 2}, {".JPEG", 1}, {".MOV", 1}, {".MP4", 1}}));
    EXPECT_TRUE(leftOut.deviceNames.empty());
    EXPECT_TRUE(leftOut.problems.empty());
}

TEST(FolderPhotos, PhotosNamedLikeDevicesOnTheCommandLineOrPickedAreLeftOutAndNamed) {
    TempDir dir;
    dir.Write("IMG_0001.JPG", "photo");
    CPhotoList list;
    const std::string commandLine = dir.PathOf("IMG_0001.JPG") + " E:\\AUX.JPG \"E:\\LPT2 .jpg\"";
    const photos::CommandLineFolders folders =
        photos::FillFromCommandLineWithFolders(commandLine.c_str(), list);
    EXPECT_EQ(Entries(list), std::vector<std::string>{dir.PathOf("IMG_0001.JPG")});
    EXPECT_EQ(folders.leftOut.deviceNames,
              (std::vector<std::string>{"E:\\AUX.JPG", "E:\\LPT2 .jpg"}));
    EXPECT_FALSE(folders.nothingToSave);

    // Nothing but such a photo: nothing to save.
    EXPECT_TRUE(photos::FillFromCommandLineWithFolders("E:\\NUL.jpg", list).nothingToSave);
    EXPECT_EQ(0, list.Count());

    // Picked in the open-file dialog.
    list.Add("E:\\a.jpg");
    list.Add("E:\\COM3.jpg");
    list.Add("E:\\b.jpg");
    photos::LeftOut leftOut;
    photos::TakeOutDeviceNames(list, leftOut);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"E:\\a.jpg", "E:\\b.jpg"}));
    EXPECT_EQ(leftOut.deviceNames, std::vector<std::string>{"E:\\COM3.jpg"});
}

TEST(FolderPhotos, TwoNamesOfOneFileGiveOnePhotoAndTwoFilesAlikeGiveTwo) {
    TempDir card;
    std::filesystem::create_directories(card.Native("DCIM/100CANON"));
    std::filesystem::create_directories(card.Native("DCIM/101CANON"));
    card.Write("DCIM/100CANON/IMG_0001.JPG", "one photo");
    card.Write("DCIM/100CANON/IMG_0002.JPG", "its twin!");  // same size, same time
    std::filesystem::last_write_time(
        card.Native("DCIM/100CANON/IMG_0002.JPG"),
        std::filesystem::last_write_time(card.Native("DCIM/100CANON/IMG_0001.JPG")));
    std::filesystem::create_hard_link(card.Native("DCIM/100CANON/IMG_0001.JPG"),
                                      card.Native("DCIM/101CANON/COPY_0001.JPG"));
    CPhotoList list;
    photos::LeftOut leftOut;
    EXPECT_EQ(2, photos::AddPhotosBelow(card.Path(), list, leftOut));
    list.Sort();
    EXPECT_EQ(Entries(list),
              (std::vector<std::string>{card.PathOf("DCIM\\100CANON\\IMG_0001.JPG"),
                                        card.PathOf("DCIM\\100CANON\\IMG_0002.JPG")}));
}
