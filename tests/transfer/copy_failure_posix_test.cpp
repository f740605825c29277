// Failures that POSIX makes easy to bring about: a name that is a dangling link, and a
// source whose reads fail (/proc/self/mem opens, but reading its start fails with EIO).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/disk.h"
#include "platform/file_error.h"
#include "test_support.h"
#include "transfer/date_stamp.h"
#include "transfer/numbered_copy.h"

using testing_support::TempDir;

namespace {

const std::string kUnreadable = "\\proc\\self\\mem";

// A link under the copy's name pointing out of the folder: the name is taken, and the
// link is neither followed nor replaced.
TEST(CopyFailurePosix, DanglingLinkUnderTheCopysNameIsNeitherFollowedNorReplaced) {
    TempDir dir;
    TempDir elsewhere;
    dir.Write("a.jpg", "A");
    std::filesystem::create_symlink(elsewhere.Native("target.jpg"), dir.Native("d_001.jpg"));
    int next = 1;
    {
        platform::Disk disk;
        transfer::Destination run(disk, dir.Path(), "t1", next);
        EXPECT_EQ(std::nullopt, run.CopyWithNumber(dir.PathOf("a.jpg"), "d"));
        EXPECT_EQ(std::nullopt, run.Finish());
    }
    EXPECT_EQ(3, next);
    EXPECT_FALSE(elsewhere.Exists("target.jpg"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Native("d_001.jpg")));
    EXPECT_EQ("A", dir.Read("d_002.jpg"));
}

// A link under a name of the kind a run gives its folder is someone else's: nothing is
// removed through it.
TEST(CopyFailurePosix, ALinkUnderARunFolderNameIsNotFollowed) {
    TempDir dir;
    TempDir elsewhere;
    elsewhere.Write("001", "not a leftover");
    dir.Write("a.jpg", "A");
    std::filesystem::create_directory_symlink(elsewhere.Native(""), dir.Native("~bvq1"));
    int next = 1;
    {
        platform::Disk disk;
        transfer::Destination run(disk, dir.Path(), "t1", next);
        EXPECT_EQ(std::nullopt, run.CopyWithNumber(dir.PathOf("a.jpg"), "230714_Holiday"));
        EXPECT_EQ(std::nullopt, run.Finish());
    }
    EXPECT_EQ("not a leftover", elsewhere.Read("001"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Native("~bvq1")));
    EXPECT_EQ("A", dir.Read("230714_Holiday_001.jpg"));
}

TEST(CopyFailurePosix, AReadFailureRemovesTheStartedCopyAndNamesThePhoto) {
    TempDir dir;
    int next = 1;
    {
        platform::Disk disk;
        transfer::Destination run(disk, dir.Path(), "t1", next);
        const transfer::Failure failure = run.CopyWithNumber(kUnreadable, "d");
        ASSERT_TRUE(failure);
        EXPECT_EQ(0u, failure->rfind("\"" + kUnreadable + "\" - Error ", 0)) << *failure;
    }
    EXPECT_EQ(2, next);
    EXPECT_TRUE(dir.FileNames().empty());
}

// The date is not found then; the copy that follows tells of the failure.
TEST(CopyFailurePosix, AReadFailureWhileSearchingTheDateFindsNone) {
    char stamp[transfer::kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_FALSE(transfer::FindEmbeddedDate(kUnreadable, stamp, false));
    EXPECT_STREQ("", stamp);
}

}  // namespace
