// The numbered copy and the date stamp against other programs holding the same files:
// real share modes, held by a second handle in this process, and a source that breaks off.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "photo_corpus.h"
#include "platform/disk.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "platform/system.h"
#include "recorded_messages.h"
#include "test_support.h"
#include "transfer/date_stamp.h"
#include "transfer/numbered_copy.h"

using testing_support::PhotoBytes;
using testing_support::RecordedMessages;
using testing_support::TempDir;

namespace {

// Another program's handle on a file.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD share)
        : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() {
        if (IsHeld()) CloseHandle(handle_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool IsHeld() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

class ShareModes : public ::testing::Test {
protected:
    std::string Photo(const std::string& name, const std::string& bytes) {
        source_.Write(name, bytes);
        return source_.PathOf(name);
    }
    // One copy as a run of its own; false, with what the user is told in shown_, when the
    // copy could not be made. The working folder has gone when it returns.
    bool Copy(const std::string& sourcePath) {
        platform::Disk disk;
        transfer::Destination run(disk, dest_.Path(), "t1", next_);
        transfer::Failure failure = run.CopyWithNumber(sourcePath, "d");
        if (!failure) failure = run.Finish();
        if (failure) shown_.push_back(*failure);
        return !failure;
    }

    TempDir source_;
    TempDir dest_;
    std::vector<std::string> shown_;
    RecordedMessages messages_;
    int next_ = 1;
};

// Another program has the name open without sharing: the name is taken, the file stays
// as it was, and the copy takes the next number.
TEST_F(ShareModes, DestinationHeldWithoutSharingIsSkipped) {
    dest_.Write("d_001.jpg", "someone else's photo");
    const std::string photo = Photo("a.jpg", "A");
    {
        HeldFile held(dest_.PathOf("d_001.jpg"), GENERIC_READ | GENERIC_WRITE, 0);
        ASSERT_TRUE(held.IsHeld());
        EXPECT_TRUE(Copy(photo));
    }
    EXPECT_EQ(3, next_);
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ("someone else's photo", dest_.Read("d_001.jpg"));
    EXPECT_EQ("A", dest_.Read("d_002.jpg"));
    EXPECT_EQ(0u, platform::RemoveFile(photo));  // the photo was closed again
}

// The rename through the unfinished copy's own handle: a name that appeared after the
// folder was read is refused, in any case, never replaced, even while another program
// holds that file open; meanwhile nobody else can write, empty or remove the copy, and this
// program can read it back past the cache.
TEST_F(ShareModes, AnUnfinishedCopyIsHeldAndItsRenameNeverReplaces) {
    dest_.Write("to.jpg", "someone else's photo");
    std::filesystem::create_directory(dest_.Native("folder.jpg"));
    platform::File copy;
    ASSERT_EQ(0u, copy.Open(dest_.PathOf("1"), platform::OpenMode::CreateNew));
    ASSERT_EQ(0u, copy.Write("finished copy", 13));
    ASSERT_EQ(0u, copy.Flush());
    const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileA(dest_.PathOf("1").c_str(), GENERIC_WRITE, all,
                                                nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              CreateFileA(dest_.PathOf("1").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(DeleteFileA(dest_.PathOf("1").c_str()));
    {
        platform::File reader;
        ASSERT_EQ(0u, copy.OpenUncachedReader(reader));
        EXPECT_FALSE(DeleteFileA(dest_.PathOf("1").c_str()));
    }
    EXPECT_TRUE(platform::IsNameTaken(copy.Rename(dest_.PathOf("TO.JPG"))));
    {
        HeldFile held(dest_.PathOf("to.jpg"), GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(held.IsHeld());
        EXPECT_TRUE(platform::IsNameTaken(copy.Rename(dest_.PathOf("to.jpg"))));
    }
    EXPECT_TRUE(platform::IsNameTaken(copy.Rename(dest_.PathOf("folder.jpg"))));
    EXPECT_EQ("someone else's photo", dest_.Read("to.jpg"));
    EXPECT_EQ(0u, copy.Rename(dest_.PathOf("new.jpg")));
    EXPECT_FALSE(DeleteFileA(dest_.PathOf("new.jpg").c_str()));  // still held until closed
    EXPECT_EQ(0u, copy.Close());
    EXPECT_EQ("finished copy", dest_.Read("new.jpg"));
    EXPECT_FALSE(dest_.Exists("1"));
}

// Another Brenvale is writing into the same folder: its folder, marked and held, is left as
// it is, with its unfinished copy, which looks like a leftover, and even once it holds no
// copy; this run's copies get their own names.
TEST_F(ShareModes, AnotherRunsFolderAndUnfinishedCopyStayWhole) {
    std::filesystem::create_directory(dest_.Native("~bvother"));
    std::filesystem::create_directory(dest_.Native("~bvidle"));
    platform::File theirs;
    platform::File theirMarker;
    platform::File idleMarker;
    ASSERT_EQ(0u, theirMarker.Open(dest_.PathOf("~bvother\\") + transfer::kRunMarker,
                                   platform::OpenMode::CreateNew));
    ASSERT_EQ(0u, idleMarker.Open(dest_.PathOf("~bvidle\\") + transfer::kRunMarker,
                                  platform::OpenMode::CreateNew));
    ASSERT_EQ(0u, theirs.Open(dest_.PathOf("~bvother\\1"), platform::OpenMode::CreateNew));
    ASSERT_EQ(0u, theirs.Write("their photo so far", 18));
    EXPECT_TRUE(Copy(Photo("a.jpg", "A")));
    EXPECT_TRUE(dest_.Exists(std::string("~bvidle/") + transfer::kRunMarker));
    EXPECT_TRUE(dest_.Exists(std::string("~bvother/") + transfer::kRunMarker));
    ASSERT_EQ(0u, theirs.Rename(dest_.PathOf("d_002.jpg")));
    EXPECT_EQ(0u, theirs.Close());
    EXPECT_EQ("their photo so far", dest_.Read("d_002.jpg"));
    EXPECT_EQ("A", dest_.Read("d_001.jpg"));
    EXPECT_TRUE(shown_.empty());
}

struct SourceHold {
    const char* name;
    DWORD access;
    DWORD share;
    bool copies;  // whether the copy can read the photo meanwhile
};

std::ostream& operator<<(std::ostream& out, const SourceHold& c) {
    return out << c.name;
}

class SourceHeld : public ShareModes, public ::testing::WithParamInterface<SourceHold> {};

// The photo is read denying others write access, and allows other readers.
TEST_P(SourceHeld, CopiesOnlyWhenNobodyWritesOrLocksThePhoto) {
    const SourceHold& c = GetParam();
    const std::string bytes = PhotoBytes(10000);
    const std::string photo = Photo("IMG_0001.JPG", bytes);
    {
        HeldFile held(photo, c.access, c.share);
        ASSERT_TRUE(held.IsHeld());
        EXPECT_EQ(c.copies, Copy(photo));
    }
    EXPECT_EQ(2, next_);
    if (c.copies) {
        EXPECT_TRUE(shown_.empty());
        EXPECT_EQ(bytes, dest_.Read("d_001.jpg"));
    } else {
        ASSERT_EQ(1u, shown_.size());
        EXPECT_TRUE(StartsWith(shown_[0], "Error Source \"" + photo + "\"")) << shown_[0];
        EXPECT_FALSE(dest_.Exists("d_001.jpg"));
    }
    EXPECT_EQ(bytes, source_.Read("IMG_0001.JPG"));
}

INSTANTIATE_TEST_SUITE_P(Holds, SourceHeld,
                         ::testing::Values(SourceHold{"ReadWithoutSharing", GENERIC_READ, 0, false},
                                           SourceHold{"WrittenSharingAll", GENERIC_WRITE,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE, false},
                                           SourceHold{"ReadSharingRead", GENERIC_READ,
                                                      FILE_SHARE_READ, true},
                                           SourceHold{"ReadSharingAll", GENERIC_READ,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Nobody can open the photo: the search says nothing, the fallback says "Invalid Handle
// Value" once and the date part is empty.
TEST_F(ShareModes, PhotoHeldWithoutSharingGivesInvalidHandleValueOnce) {
    const std::string photo = Photo("a.jpg", PhotoBytes(600, {{100, "2014:05:17 10:22:33"}}));
    HeldFile held(photo, GENERIC_READ, 0);
    ASSERT_TRUE(held.IsHeld());
    char stamp[transfer::kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_FALSE(transfer::FindEmbeddedDate(photo, stamp, false));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_FALSE(transfer::GetFileDateStamp(messages_, photo, stamp));
    EXPECT_STREQ("", stamp);
    EXPECT_EQ(std::vector<std::string>{"box: Invalid Handle Value"}, messages_.shown);
}

// A photo another program is writing: the search, which keeps writers out, cannot open
// it; the file time, which shares with writers, still gives a stamp.
TEST_F(ShareModes, PhotoBeingWrittenFallsBackToItsFileTime) {
    const std::string photo = Photo("a.jpg", PhotoBytes(600, {{100, "2014:05:17 10:22:33"}}));
    HeldFile held(photo, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(held.IsHeld());
    char stamp[transfer::kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_FALSE(transfer::FindEmbeddedDate(photo, stamp, false));
    EXPECT_TRUE(transfer::GetFileDateStamp(messages_, photo, stamp));
    EXPECT_EQ(6u, std::string(stamp).size()) << stamp;
    EXPECT_TRUE(messages_.shown.empty());
}

// A photo source that breaks off after some bytes, like a memory card pulled out during
// the copy: a named pipe whose other end writes the bytes, waits until they are read and
// then closes, so the next read fails with ERROR_BROKEN_PIPE.
class BreakingSource {
public:
    explicit BreakingSource(std::string bytes)
        : name_("\\\\.\\pipe\\brenvale-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter_)),
          pipe_(CreateNamedPipeA(name_.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                 65536, 65536, 0, nullptr)),
          writer_([this, bytes] {
              if (pipe_ == INVALID_HANDLE_VALUE) return;
              if (ConnectNamedPipe(pipe_, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) {
                  DWORD put = 0;
                  WriteFile(pipe_, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
                  FlushFileBuffers(pipe_);
              }
              CloseHandle(pipe_);
          }) {}
    ~BreakingSource() {
        // Connect once ourselves in case nobody did, so the writer does not wait forever.
        HANDLE late =
            CreateFileA(name_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (late != INVALID_HANDLE_VALUE) CloseHandle(late);
        writer_.join();
    }
    BreakingSource(const BreakingSource&) = delete;
    BreakingSource& operator=(const BreakingSource&) = delete;

    bool IsReady() const { return pipe_ != INVALID_HANDLE_VALUE; }
    const std::string& Path() const { return name_; }

private:
    static inline int counter_ = 0;
    std::string name_;
    HANDLE pipe_;
    std::thread writer_;
};

// The started copy is deleted and the user is told of the photo.
TEST_F(ShareModes, ReadFailureInTheMiddleOfACopyDeletesThePartialCopy) {
    BreakingSource source(PhotoBytes(3 * 4096 + 100));
    ASSERT_TRUE(source.IsReady());
    EXPECT_FALSE(Copy(source.Path())) << "a source that broke off was copied as whole";
    ASSERT_EQ(1u, shown_.size());
    EXPECT_TRUE(StartsWith(shown_[0], "\"" + source.Path() + "\" - Error ")) << shown_[0];
    EXPECT_EQ(2, next_);
    EXPECT_TRUE(dest_.FileNames().empty());
}

TEST_F(ShareModes, ReadFailureWhileSearchingTheDateFindsNone) {
    BreakingSource source(PhotoBytes(1000, {{100, "2014:05:17 10:22:33"}}));
    ASSERT_TRUE(source.IsReady());
    char stamp[transfer::kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_FALSE(transfer::FindEmbeddedDate(source.Path(), stamp, false));
    EXPECT_STREQ("", stamp);
}

// A code the system has no text for still tells the user something.
TEST(ReportLastErrorWin32, CodeWithoutSystemTextShowsItsNumber) {
    const unsigned long unknown = 0x2000ABCDul;  // customer-defined: Windows has no text
    ASSERT_TRUE(platform::SystemErrorText(unknown).empty());
    RecordedMessages messages;
    transfer::ReportLastError(messages, unknown);
    EXPECT_EQ(std::vector<std::string>{"error box: 536914893"}, messages.shown);
}

}  // namespace
