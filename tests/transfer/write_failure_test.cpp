// A disk that fails in the middle of a copy: no partial copy may stay behind looking like
// a whole photo, and the photo itself stays as it was.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/disk.h"
#include "platform/file.h"
#include "recorded_messages.h"
#include "test_support.h"
#include "transfer/numbered_copy.h"
#include "write_limit.h"

using testing_support::RecordedMessages;
using testing_support::TempDir;

namespace {

std::string ReadWhole(const std::string& path) {
    platform::File file(path, platform::OpenMode::ReadExclusive);
    std::string bytes;
    char buffer[65536];
    while (const std::size_t got = file.Read(buffer, sizeof buffer)) bytes.append(buffer, got);
    return bytes;
}

// The limit announced is the one in force: a file grows to exactly that size, not a byte
// further.
TEST(WriteFailure, FileGrowsToExactlyTheLimit) {
    TempDir dir;
    testing_support::WriteLimit limit(dir);
    if (!limit.Unavailable().empty()) GTEST_SKIP() << limit.Unavailable();
    platform::File file(dir.PathOf("full.jpg"), platform::OpenMode::Create);
    const std::string bytes(limit.Limit(), 'x');
    EXPECT_NO_THROW(file.Write(bytes.data(), bytes.size()));
    EXPECT_THROW(file.Write("y", 1), platform::FileError);
}

TEST(WriteFailure, PartialCopyIsDeletedAndThePhotoIsUnchanged) {
    TempDir source;
    TempDir dest;
    dest.Write("140517_Holiday_001.jpg", "an earlier copy");
    RecordedMessages messages;
    int next = 1;
    testing_support::WriteLimit limit(source);
    if (!limit.Unavailable().empty()) GTEST_SKIP() << limit.Unavailable();
    const std::string photo = ReadWhole(limit.BigPhoto());
    ASSERT_GT(photo.size(), limit.Limit());

    platform::Disk disk;
    try {
        transfer::Destination run(disk, dest.Path(), "t1");
        run.CopyWithNumber(messages, next, limit.BigPhoto(), "140517_Holiday");
        FAIL() << "a copy bigger than the file-size limit was written";
    } catch (const platform::FileError& error) {
        // The user is told about the copy by the name it would have had; it is gone already.
        EXPECT_EQ(dest.PathOf("140517_Holiday_002.jpg"), error.FileName());
        EXPECT_NE(0u, error.Cause());
    }
    EXPECT_EQ(3, next);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ((std::set<std::string>{"140517_Holiday_001.jpg"}), dest.FileNames());
    EXPECT_EQ("an earlier copy", dest.Read("140517_Holiday_001.jpg"));
    EXPECT_EQ(photo, ReadWhole(limit.BigPhoto()));

    // The name is free again: a later run that fits on the disk takes it.
    source.Write("small.jpg", "small photo");
    next = 1;
    transfer::Destination again(disk, dest.Path(), "t2");
    ASSERT_TRUE(again.CopyWithNumber(messages, next, source.PathOf("small.jpg"), "140517_Holiday"));
    again.Finish();
    EXPECT_EQ("small photo", dest.Read("140517_Holiday_002.jpg"));
}

}  // namespace
