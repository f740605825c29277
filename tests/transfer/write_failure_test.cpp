// A disk that fails in the middle of a copy: no partial copy may stay behind looking like
// a whole photo, and the photo itself stays as it was.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/disk.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "test_support.h"
#include "transfer/numbered_copy.h"
#include "write_limit.h"

using testing_support::TempDir;

namespace {

std::string ReadWhole(const std::string& path) {
    platform::File file;
    EXPECT_EQ(0u, file.Open(path, platform::OpenMode::ReadExclusive));
    std::string bytes;
    char buffer[65536];
    for (std::size_t got = 0; file.Read(buffer, sizeof buffer, got) == 0 && got != 0;) {
        bytes.append(buffer, got);
    }
    return bytes;
}

// The limit announced is the one in force: a file grows to exactly that size, not a byte
// further.
TEST(WriteFailure, FileGrowsToExactlyTheLimit) {
    TempDir dir;
    testing_support::WriteLimit limit(dir);
    if (!limit.Unavailable().empty()) GTEST_SKIP() << limit.Unavailable();
    platform::File file;
    ASSERT_EQ(0u, file.Open(dir.PathOf("full.jpg"), platform::OpenMode::Create));
    const std::string bytes(limit.Limit(), 'x');
    EXPECT_EQ(0u, file.Write(bytes.data(), bytes.size()));
    EXPECT_NE(0u, file.Write("y", 1));
}

TEST(WriteFailure, PartialCopyIsDeletedAndThePhotoIsUnchanged) {
    TempDir source;
    TempDir dest;
    dest.Write("140517_Holiday_001.jpg", "an earlier copy");
    int next = 1;
    testing_support::WriteLimit limit(source);
    if (!limit.Unavailable().empty()) GTEST_SKIP() << limit.Unavailable();
    const std::string photo = ReadWhole(limit.BigPhoto());
    ASSERT_GT(photo.size(), limit.Limit());

    platform::Disk disk;
    {
        transfer::Destination run(disk, dest.Path(), "t1", next);
        const transfer::Failure failure = run.CopyWithNumber(limit.BigPhoto(), "140517_Holiday");
        // The user is told about the copy by the name it would have had; it is gone already.
        ASSERT_TRUE(failure) << "a copy bigger than the file-size limit was written";
        EXPECT_EQ(0u,
                  failure->rfind("\"" + dest.PathOf("140517_Holiday_002.jpg") + "\" - Error ", 0))
            << *failure;
    }
    EXPECT_EQ(3, next);
    EXPECT_EQ((std::set<std::string>{"140517_Holiday_001.jpg"}), dest.FileNames());
    EXPECT_EQ("an earlier copy", dest.Read("140517_Holiday_001.jpg"));
    EXPECT_EQ(photo, ReadWhole(limit.BigPhoto()));

    // The name is free again: a later run that fits on the disk takes it.
    source.Write("small.jpg", "small photo");
    next = 1;
    transfer::Destination again(disk, dest.Path(), "t2", next);
    ASSERT_EQ(std::nullopt, again.CopyWithNumber(source.PathOf("small.jpg"), "140517_Holiday"));
    ASSERT_EQ(std::nullopt, again.Finish());
    EXPECT_EQ("small photo", dest.Read("140517_Holiday_002.jpg"));
}

}  // namespace
