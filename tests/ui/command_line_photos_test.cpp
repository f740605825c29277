#include "ui/command_line_photos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "photos/photo_list.h"
#include "platform/file.h"
#include "settings/folder_settings.h"
#include "test_support.h"

using testing_support::TempDir;

TEST(TakePhotosFromCommandLine, SourceFolderIsTheFolderOfTheFirstPhotoInByteOrder) {
    TempDir dir;
    std::filesystem::create_directory(dir.Native("b"));
    std::filesystem::create_directory(dir.Native("a"));
    dir.Write("b/IMG_1.JPG", "1");
    dir.Write("a/IMG_2.JPG", "2");
    CFolderSettings settings(dir.PathOf("brenvale.exe"));
    CPhotoList list;
    std::string source = "old";
    const std::string commandLine = dir.PathOf("b\\IMG_1.JPG") + " " + dir.PathOf("a\\IMG_2.JPG");
    ui::TakePhotosFromCommandLine(commandLine.c_str(), list, source, settings);
    ASSERT_EQ(2, list.Count());
    EXPECT_EQ(dir.PathOf("a\\IMG_2.JPG"), list.GetAt(0));
    EXPECT_EQ(dir.PathOf("a\\"), source);
    EXPECT_EQ(dir.PathOf("a\\"), settings.GetSource());
}

TEST(TakePhotosFromCommandLine, NoPhotosLeaveTheSourceAlone) {
    TempDir dir;
    CFolderSettings settings(dir.PathOf("brenvale.exe"));
    settings.SetSource("E:\\DCIM\\");
    CPhotoList list;
    std::string source = "E:\\DCIM\\";
    ui::TakePhotosFromCommandLine("\"", list, source, settings);
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ("E:\\DCIM\\", source);
    EXPECT_EQ("E:\\DCIM\\", settings.GetSource());
}

TEST(TakePhotosFromCommandLine, UnreadableFirstPhotoKeepsTheListAndTheOldSource) {
    TempDir dir;
    dir.Write("z.jpg", "z");
    CFolderSettings settings(dir.PathOf("brenvale.exe"));
    settings.SetSource("E:\\DCIM\\");
    CPhotoList list;
    std::string source = "E:\\DCIM\\";
    const std::string commandLine = dir.PathOf("z.jpg") + " " + dir.PathOf("missing.jpg");
    EXPECT_THROW(ui::TakePhotosFromCommandLine(commandLine.c_str(), list, source, settings),
                 platform::FileError);
    ASSERT_EQ(2, list.Count());
    EXPECT_EQ(dir.PathOf("missing.jpg"), list.GetAt(0));
    EXPECT_EQ(dir.PathOf("z.jpg"), list.GetAt(1));
    EXPECT_EQ("E:\\DCIM\\", source);
    EXPECT_EQ("E:\\DCIM\\", settings.GetSource());
}
