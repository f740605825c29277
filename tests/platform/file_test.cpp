#include "platform/file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

using platform::File;
using platform::FileError;
using platform::OpenMode;
using testing_support::TempDir;

TEST(File, MissingFileRaisesAnErrorNamingFileAndCause) {
    TempDir dir;
    const std::string path = dir.PathOf("missing.jpg");
    try {
        File file(path, OpenMode::ReadExclusive);
        FAIL() << "opened a missing file";
    } catch (const FileError& error) {
        EXPECT_EQ(path, error.FileName());
        EXPECT_NE(0u, error.Cause());
        EXPECT_NE(std::string::npos, error.Message().find(path));
        EXPECT_NE(std::string::npos, error.Message().find(std::to_string(error.Cause())));
    }
    FileError error;
    File file;
    EXPECT_FALSE(file.Open(path, OpenMode::ReadDenyWrite, &error));
    EXPECT_EQ(path, error.FileName());
    EXPECT_FALSE(file.IsOpen());
}

TEST(File, CreateNewRefusesAnExistingNameAndLeavesItAlone) {
    TempDir dir;
    dir.Write("IMG_001.jpg", "photo");
    File file;
    FileError error;
    EXPECT_FALSE(file.Open(dir.PathOf("IMG_001.jpg"), OpenMode::CreateNew, &error));
    EXPECT_EQ("photo", dir.Read("IMG_001.jpg"));
    ASSERT_TRUE(file.Open(dir.PathOf("new.jpg"), OpenMode::CreateNew, &error));
    file.Write("abc", 3);
    file.Close();
    EXPECT_EQ("abc", dir.Read("new.jpg"));
}

TEST(File, CreateEmptiesAnExistingFile) {
    TempDir dir;
    dir.Write("a.txt", "old content");
    File file(dir.PathOf("a.txt"), OpenMode::Create);
    file.Write("x", 1);
    file.Close();
    EXPECT_EQ("x", dir.Read("a.txt"));
}

TEST(File, ReadsToTheEndAndRewinds) {
    TempDir dir;
    dir.Write("a.bin", std::string("\0\x01\x02", 3));
    File file(dir.PathOf("a.bin"), OpenMode::ReadDenyWrite);
    char buffer[8];
    EXPECT_EQ(3u, file.Read(buffer, sizeof buffer));
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
    file.SeekToBegin();
    EXPECT_EQ(2u, file.Read(buffer, 2));
}

TEST(File, FolderCannotBeOpenedAsAFile) {
    TempDir dir;
    File file;
    EXPECT_FALSE(file.Open(dir.Path(), OpenMode::ReadExclusive));
}

TEST(File, FullPathOfARelativeNameIsAbsolute) {
    TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Native(""));
    dir.Write("IMG_0001.JPG", "x");
    {
        File file("IMG_0001.JPG", OpenMode::ReadExclusive);
        const std::string& full = file.GetFilePath();
        EXPECT_EQ("\\IMG_0001.JPG", full.substr(full.size() - 13));
        EXPECT_EQ(
            testing_support::WithBackslashes(std::filesystem::current_path() / "IMG_0001.JPG"),
            full);
    }
    std::filesystem::current_path(previous);
}

TEST(File, RemoveAndReplace) {
    TempDir dir;
    dir.Write("old", "1");
    dir.Write("new", "2");
    File::Replace(dir.PathOf("new"), dir.PathOf("old"));
    EXPECT_EQ("2", dir.Read("old"));
    EXPECT_FALSE(dir.Exists("new"));
    EXPECT_TRUE(File::Exists(dir.PathOf("old")));
    File::Remove(dir.PathOf("old"));
    EXPECT_FALSE(File::Exists(dir.PathOf("old")));
    EXPECT_THROW(File::Remove(dir.PathOf("old")), FileError);
}
