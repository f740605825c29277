// A folder walk over links as a computer other than Windows makes them, to photos and to
// folders, inside the folder walked and outside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "photos/folder_photos.h"
#include "photos/photo_list.h"
#include "test_support.h"

using testing_support::TempDir;

TEST(FolderPhotosOnPosix, LinksToFoldersAndToPhotosAreNotFollowed) {
    TempDir card;
    std::filesystem::create_directories(card.Native("DCIM/100CANON"));
    card.Write("DCIM/100CANON/IMG_0001.JPG", "photo 1");
    card.Write("DCIM/100CANON/IMG_0002.CR2", "raw 2");
    TempDir elsewhere;
    elsewhere.Write("IMG_9999.JPG", "not on the card");
    std::filesystem::create_symlink("IMG_0001.JPG", card.Native("DCIM/100CANON/LINK.JPG"));
    std::filesystem::create_symlink("IMG_0002.CR2", card.Native("DCIM/100CANON/LINK.CR2"));
    std::filesystem::create_symlink(elsewhere.Native("IMG_9999.JPG"),
                                    card.Native("DCIM/100CANON/AWAY.JPG"));
    std::filesystem::create_directory_symlink("..", card.Native("DCIM/100CANON/UP"));
    CPhotoList list;
    photos::LeftOut leftOut;
    EXPECT_EQ(1, photos::AddPhotosBelow(card.Path(), list, leftOut));
    ASSERT_EQ(1, list.Count());
    EXPECT_EQ(card.PathOf("DCIM\\100CANON\\IMG_0001.JPG"), list.GetAt(0));
    EXPECT_EQ(leftOut.otherKinds, (std::map<std::string, int>{{".CR2", 1}}));
}
