#include "platform/file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_error.h"
#include "test_support.h"

using platform::File;
using platform::FileError;
using platform::OpenMode;
using testing_support::TempDir;

TEST(File, AFailureNamesFileAndCause) {
    TempDir dir;
    const std::string path = dir.PathOf("missing.jpg");
    File file;
    const unsigned long code = file.Open(path, OpenMode::ReadDenyWrite);
    EXPECT_NE(0u, code);
    EXPECT_FALSE(file.IsOpen());
    const FileError error(code, path);
    EXPECT_EQ(0u, error.Message().find("\"" + path + "\" - Error " + std::to_string(code)));
}

TEST(File, CreateNewRefusesAnExistingNameAndLeavesItAlone) {
    TempDir dir;
    dir.Write("IMG_001.jpg", "photo");
    File file;
    EXPECT_TRUE(platform::IsNameTaken(file.Open(dir.PathOf("IMG_001.jpg"), OpenMode::CreateNew)));
    EXPECT_EQ("photo", dir.Read("IMG_001.jpg"));
    ASSERT_EQ(0u, file.Open(dir.PathOf("new.jpg"), OpenMode::CreateNew));
    EXPECT_EQ(0u, file.Write("abc", 3));
    EXPECT_EQ(0u, file.Close());
    EXPECT_EQ("abc", dir.Read("new.jpg"));
}

TEST(File, CreateEmptiesAnExistingFile) {
    TempDir dir;
    dir.Write("a.txt", "old content");
    File file;
    ASSERT_EQ(0u, file.Open(dir.PathOf("a.txt"), OpenMode::Create));
    EXPECT_EQ(0u, file.Write("x", 1));
    EXPECT_EQ(0u, file.Close());
    EXPECT_EQ("x", dir.Read("a.txt"));
}

TEST(File, ReadsToTheEndAndRewinds) {
    TempDir dir;
    dir.Write("a.bin", std::string("\0\x01\x02", 3));
    File file;
    ASSERT_EQ(0u, file.Open(dir.PathOf("a.bin"), OpenMode::ReadDenyWrite));
    std::uint64_t size = 0;
    EXPECT_EQ(0u, file.Size(size));
    EXPECT_EQ(3u, size);
    char buffer[8];
    std::size_t got = 0;
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer, got));
    EXPECT_EQ(3u, got);
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer, got));
    EXPECT_EQ(0u, got);
    EXPECT_EQ(0u, file.SeekToBegin());
    EXPECT_EQ(0u, file.Read(buffer, 2, got));
    EXPECT_EQ(2u, got);
}

TEST(File, FolderCannotBeOpenedAsAFile) {
    TempDir dir;
    File file;
    EXPECT_NE(0u, file.Open(dir.Path(), OpenMode::ReadExclusive));
    EXPECT_FALSE(file.IsOpen());
}

TEST(File, FullPathOfARelativeNameIsAbsolute) {
    TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Native(""));
    dir.Write("IMG_0001.JPG", "x");
    {
        File file;
        ASSERT_EQ(0u, file.Open("IMG_0001.JPG", OpenMode::ReadExclusive));
        EXPECT_EQ(
            testing_support::WithBackslashes(std::filesystem::current_path() / "IMG_0001.JPG"),
            file.Path());
    }
    std::filesystem::current_path(previous);
}

TEST(File, RemoveAndReplace) {
    TempDir dir;
    dir.Write("old", "1");
    dir.Write("new", "2");
    EXPECT_EQ(0u, platform::MoveOver(dir.PathOf("new"), dir.PathOf("old")));
    EXPECT_EQ("2", dir.Read("old"));
    EXPECT_FALSE(dir.Exists("new"));
    EXPECT_TRUE(platform::Exists(dir.PathOf("old")));
    EXPECT_EQ(0u, platform::RemoveFile(dir.PathOf("old")));
    EXPECT_FALSE(platform::Exists(dir.PathOf("old")));
    EXPECT_NE(0u, platform::RemoveFile(dir.PathOf("old")));
}

// A copy read back past the system's cache, as Windows allows it: into a buffer at an
// address, and in lengths, that are multiples of the sector size. Wine would take any other
// read too; the program must not, or every save would fail on Windows.
TEST(File, AnUncachedReadOffItsAlignmentIsRefusedBeforeItReachesTheSystem) {
    TempDir dir;
    const std::string bytes(10000, 'c');
    File copy;
    ASSERT_EQ(0u, copy.Open(dir.PathOf("1"), OpenMode::CreateNew));
    ASSERT_EQ(0u, copy.Write(bytes.data(), bytes.size()));
    ASSERT_EQ(0u, copy.Flush());
    File reader;
    ASSERT_EQ(0u, copy.OpenUncachedReader(reader));
    const std::size_t alignment = reader.ReadAlignment();
    ASSERT_GE(alignment, 4096u);
    platform::AlignedBuffer buffer(4 * alignment, alignment);
    ASSERT_NE(nullptr, buffer.Data());
    std::size_t got = 99;
    EXPECT_NE(0u, reader.Read(buffer.Data() + 1, alignment, got));
    EXPECT_EQ(0u, got);
    EXPECT_NE(0u, reader.Read(buffer.Data(), alignment - 1, got));
    EXPECT_NE(0u, reader.Read(buffer.Data(), alignment + 512, got));
    // Aligned, the whole copy comes back, the last read short.
    std::string back;
    do {
        ASSERT_EQ(0u, reader.Read(buffer.Data(), buffer.Size(), got));
        back.append(reinterpret_cast<const char*>(buffer.Data()), got);
    } while (got != 0);
    EXPECT_EQ(bytes, back);
}
