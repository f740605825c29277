// Failures that POSIX makes easy to bring about: a name that is a dangling link, and a
// source whose reads fail (/proc/self/mem opens, but reading its start fails with EIO).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/disk.h"
#include "platform/file.h"
#include "recorded_messages.h"
#include "test_support.h"
#include "transfer/date_stamp.h"
#include "transfer/numbered_copy.h"

using testing_support::RecordedMessages;
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
    RecordedMessages messages;
    int next = 1;
    {
        platform::Disk disk;
        transfer::Destination run(disk, dir.Path(), "t1");
        EXPECT_TRUE(run.CopyWithNumber(messages, next, dir.PathOf("a.jpg"), "d"));
    }
    EXPECT_EQ(3, next);
    EXPECT_TRUE(messages.shown.empty());
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
    RecordedMessages messages;
    int next = 1;
    {
        platform::Disk disk;
        transfer::Destination run(disk, dir.Path(), "t1");
        EXPECT_TRUE(run.CopyWithNumber(messages, next, dir.PathOf("a.jpg"), "230714_Holiday"));
    }
    EXPECT_EQ("not a leftover", elsewhere.Read("001"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Native("~bvq1")));
    EXPECT_EQ("A", dir.Read("230714_Holiday_001.jpg"));
}

TEST(CopyFailurePosix, ReadFailureDeletesTheStartedCopyAndTravelsOn) {
    TempDir dir;
    RecordedMessages messages;
    int next = 1;
    {
        platform::Disk disk;
        transfer::Destination run(disk, dir.Path(), "t1");
        EXPECT_THROW(run.CopyWithNumber(messages, next, kUnreadable, "d"), platform::FileError);
    }
    EXPECT_EQ(2, next);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(dir.FileNames().empty());
}

TEST(CopyFailurePosix, ReadFailureWhileSearchingTheDateTravelsOn) {
    char stamp[transfer::kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_THROW(transfer::FindEmbeddedDate(kUnreadable, stamp, false), platform::FileError);
    EXPECT_STREQ("", stamp);
}

}  // namespace
