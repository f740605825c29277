#include "transfer/numbered_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "faulty_disk.h"
#include "photo_corpus.h"
#include "platform/file.h"
#include "recorded_messages.h"
#include "test_support.h"

using testing_support::PhotoBytes;
using testing_support::RecordedMessages;
using testing_support::TempDir;

namespace {

// One save run into a scratch destination folder, with photos in a separate source folder.
// The folder is read at the run's first copy, as in the program.
class NumberedCopy : public ::testing::Test {
protected:
    NumberedCopy() { disk_.watched = dest_.Path(); }
    std::string Photo(const std::string& name, const std::string& bytes) {
        source_.Write(name, bytes);
        return source_.PathOf(name);
    }
    static std::string Base(const std::string& dateAndTitle) { return dateAndTitle; }
    bool Copy(const std::string& sourcePath, const std::string& base) {
        if (!run_) run_.emplace(disk_, dest_.Path(), kRun);
        return run_->CopyWithNumber(messages_, next_, sourcePath, base);
    }
    // As at the end of a save run: the folder's names on the disk, the run's folder gone.
    void Finish() { run_->Finish(); }
    // What the user finds in the folder once the run is over and its folder gone.
    std::set<std::string> DestNames() {
        run_.reset();
        return dest_.FileNames();
    }

    TempDir source_;
    TempDir dest_;
    RecordedMessages messages_;
    int next_ = 1;
    testing_support::FaultyDisk disk_;
    std::optional<transfer::Destination> run_;
    static constexpr char kRun[] = "t1";  // the run's own part of its unfinished names
};

using Names = std::set<std::string>;
using Shown = std::vector<std::string>;

// Every file below the folder, with its path inside it.
Names FilesBelow(const std::filesystem::path& folder) {
    Names names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_directory())
            names.insert(entry.path().lexically_relative(folder).generic_string());
    }
    return names;
}

TEST_F(NumberedCopy, TakenNamesAreSkippedAndKept) {
    for (const char* taken : {"d_001.jpg", "d_002.jpg", "d_003.jpg", "d_004.jpg"}) {
        dest_.Write(taken, taken);
    }
    ASSERT_TRUE(Copy(Photo("a.jpg", "photo a"), Base("d")));
    Finish();
    EXPECT_EQ(6, next_);
    EXPECT_EQ("photo a", dest_.Read("d_005.jpg"));
    EXPECT_EQ("d_003.jpg", dest_.Read("d_003.jpg"));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(NumberedCopy, AGapIsFilledAndTheNumbersOnlyRise) {
    dest_.Write("d_002.jpg", "older");
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("d")));
    EXPECT_EQ(2, next_);
    ASSERT_TRUE(Copy(Photo("b.jpg", "B"), Base("d")));
    EXPECT_EQ(4, next_);
    EXPECT_EQ((Names{"d_001.jpg", "d_002.jpg", "d_003.jpg"}), DestNames());
    EXPECT_EQ("A", dest_.Read("d_001.jpg"));
    EXPECT_EQ("older", dest_.Read("d_002.jpg"));
    EXPECT_EQ("B", dest_.Read("d_003.jpg"));
}

TEST_F(NumberedCopy, OneCounterForAllBasesOfARun) {
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("230714_Holiday")));
    ASSERT_TRUE(Copy(Photo("b.jpg", "B"), Base("230714_Holiday")));
    ASSERT_TRUE(Copy(Photo("c.jpg", "C"), Base("230715_Holiday")));
    EXPECT_EQ(4, next_);
    EXPECT_EQ((Names{"230714_Holiday_001.jpg", "230714_Holiday_002.jpg", "230715_Holiday_003.jpg"}),
              DestNames());
}

TEST_F(NumberedCopy, CopyIsNamedInLowerCaseJpgWhateverTheSourceExtension) {
    ASSERT_TRUE(Copy(Photo("IMG_0001.JPG", "A"), Base("140517_Holiday")));
    ASSERT_TRUE(Copy(Photo("scan.jpeg", "B"), Base("140517_Holiday")));
    EXPECT_EQ((Names{"140517_Holiday_001.jpg", "140517_Holiday_002.jpg"}), DestNames());
}

TEST_F(NumberedCopy, EmptyDateAndBaseEndingInAnUnderscoreAreTakenAsGiven) {
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("_picture")));
    EXPECT_EQ((Names{"_picture_001.jpg"}), DestNames());
}

struct LimitCase {
    const char* name;
    int next;
    std::vector<std::string> present;
    bool result;
    int nextAfter;
    const char* copyName;  // the new file, or "" when none is made
};

std::ostream& operator<<(std::ostream& out, const LimitCase& c) {
    return out << c.name;
}

class NumberLimit : public NumberedCopy, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(NumberLimit, NoNumberAbove999) {
    const LimitCase& c = GetParam();
    Names expected;
    for (const std::string& name : c.present) {
        dest_.Write(name, "kept");
        expected.insert(name);
    }
    if (c.copyName[0] != '\0') expected.insert(c.copyName);
    next_ = c.next;
    EXPECT_EQ(c.result, Copy(Photo("a.jpg", "A"), Base("d")));
    EXPECT_EQ(c.nextAfter, next_);
    EXPECT_EQ(expected, DestNames());
    const Shown limit{"box: Number of files with same title limited by 999"};
    EXPECT_EQ(c.result ? Shown{} : limit, messages_.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberLimit,
    ::testing::Values(
        LimitCase{"Last", 999, {}, true, 1000, "d_999.jpg"},
        LimitCase{"LastAfterTakenOnes", 997, {"d_997.jpg", "d_998.jpg"}, true, 1000, "d_999.jpg"},
        LimitCase{"OnEntry", 1000, {}, false, 1000, ""},
        LimitCase{"FarBeyond", 123456, {}, false, 123456, ""},
        LimitCase{"AllTakenUpTo999", 998, {"d_998.jpg", "d_999.jpg"}, false, 998, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NumberedCopy, AfterNumber999TheNextPhotoMeetsTheLimitWhateverItsBase) {
    next_ = 999;
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("d1")));
    EXPECT_FALSE(Copy(Photo("b.jpg", "B"), Base("d2")));
    EXPECT_EQ(Shown{"box: Number of files with same title limited by 999"}, messages_.shown);
    EXPECT_EQ((Names{"d1_999.jpg"}), DestNames());
}

// Sizes around the 4096-byte buffer: the copy holds exactly the photo's bytes.
TEST_F(NumberedCopy, CopyHoldsExactlyThePhotosBytes) {
    for (std::size_t size : {0u, 1u, 4095u, 4096u, 4097u, 3u * 4096u + 5u, (1u << 20) + 3u}) {
        SCOPED_TRACE(size);
        const std::string bytes = PhotoBytes(size);
        const std::string name = "p" + std::to_string(size) + ".jpg";
        ASSERT_TRUE(Copy(Photo(name, bytes), Base("s" + std::to_string(size))));
        Finish();
        char copyName[32];
        std::snprintf(copyName, sizeof copyName, "s%zu_%03d.jpg", size, next_ - 1);
        EXPECT_EQ(bytes, dest_.Read(copyName));
        EXPECT_EQ(bytes, source_.Read(name));
    }
    EXPECT_TRUE(messages_.shown.empty());
}

// The photo already has a name of the run's form in the same folder: it is skipped as
// taken and never written to.
TEST_F(NumberedCopy, PhotoInsideTheDestinationIsNotOverwritten) {
    dest_.Write("d_001.jpg", "the photo");
    ASSERT_TRUE(Copy(dest_.PathOf("d_001.jpg"), Base("d")));
    Finish();
    EXPECT_EQ("the photo", dest_.Read("d_001.jpg"));
    EXPECT_EQ("the photo", dest_.Read("d_002.jpg"));
}

// A photo that vanished after its date was read: the number counts as used.
TEST_F(NumberedCopy, MissingSourceShowsErrorSourceAndUsesTheNumber) {
    const std::string missing = source_.PathOf("IMG_0002.JPG");
    EXPECT_FALSE(Copy(missing, Base("d")));
    EXPECT_EQ(2, next_);
    ASSERT_EQ(1u, messages_.shown.size());
    const std::string& shown = messages_.shown[0];
    EXPECT_EQ(0u, shown.rfind("box: Error Source ", 0)) << shown;
    EXPECT_NE(std::string::npos, shown.find(missing)) << shown;
    EXPECT_TRUE(DestNames().empty());

    messages_.shown.clear();
    ASSERT_TRUE(Copy(Photo("IMG_0003.JPG", "C"), Base("d")));
    EXPECT_EQ((Names{"d_002.jpg"}), DestNames());
}

TEST_F(NumberedCopy, FileErrorTextIsCutTo1023Characters) {
    std::string missing = source_.Path();
    while (missing.size() < 1500) missing += "\\abcdefghijklmnopqrstuvwxyz0123456789";
    missing += ".jpg";
    EXPECT_FALSE(Copy(missing, Base("d")));
    ASSERT_EQ(1u, messages_.shown.size());
    const std::string prefix = "box: Error Source ";
    const std::string& shown = messages_.shown[0];
    ASSERT_EQ(prefix.size() + 1023, shown.size());
    // The error text begins with the file's name, so the cut falls inside it.
    EXPECT_EQ(prefix + "\"" + missing.substr(0, 1022), shown);
}

// A folder that has gone: the message names the copy as the user would have found it.
TEST_F(NumberedCopy, MissingDestinationFolderShowsErrorDestination) {
    const std::string folder = dest_.PathOf("no such folder");
    const std::string photo = Photo("a.jpg", "A");
    transfer::Destination missing(disk_, folder, kRun);
    EXPECT_FALSE(missing.CopyWithNumber(messages_, next_, photo, "d"));
    EXPECT_EQ(2, next_);
    ASSERT_EQ(1u, messages_.shown.size());
    EXPECT_EQ(0u, messages_.shown[0].rfind(
                      "box: Error Destination \"" + folder + "\\d_001.jpg\" - Error ", 0))
        << messages_.shown[0];
    EXPECT_TRUE(DestNames().empty());
    // The photo was closed again: it can be removed.
    platform::File::Remove(photo);
}

// Any entry under a name makes it taken, a folder as much as a file, whether it opens
// or not: it is skipped, never replaced, and the run goes on.
TEST_F(NumberedCopy, AFolderUnderTheNameIsSkipped) {
    std::filesystem::create_directory(dest_.Native("d_001.jpg"));
    dest_.Write("d_001.jpg/inside.txt", "kept");
    EXPECT_TRUE(Copy(Photo("a.jpg", "A"), Base("d")));
    Finish();
    EXPECT_EQ(3, next_);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ("A", dest_.Read("d_002.jpg"));
    EXPECT_EQ("kept", dest_.Read("d_001.jpg/inside.txt"));
}

// The file system does not tell names apart by case, so neither does the free-name test.
TEST_F(NumberedCopy, ANameTakenInAnotherCaseIsSkipped) {
    dest_.Write("D_001.JPG", "older");
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("d")));
    EXPECT_EQ((Names{"D_001.JPG", "d_002.jpg"}), DestNames());
    EXPECT_EQ("older", dest_.Read("D_001.JPG"));
}

TEST_F(NumberedCopy, BothFilesAreClosedAfterACopy) {
    const std::string photo = Photo("a.jpg", PhotoBytes(10000));
    ASSERT_TRUE(Copy(photo, Base("d")));
    Finish();
    platform::File::Remove(photo);
    platform::File::Remove(dest_.PathOf("d_001.jpg"));
    EXPECT_TRUE(DestNames().empty());
}

// A step of the copy that fails: the unfinished copy goes with the failure, nothing takes
// the photo's name, the number counts as used, and the photo is as it was. The error names
// the photo for a read, and otherwise the copy as the user would have found it.
class FailingStep : public NumberedCopy, public ::testing::WithParamInterface<const char*> {};

TEST_P(FailingStep, LeavesNoUnfinishedCopyAndNoName) {
    dest_.Write("d_001.jpg", "an earlier copy");
    const std::string bytes = PhotoBytes(3 * 4096 + 7);
    const std::string photo = Photo("a.jpg", bytes);
    disk_.failAt = GetParam();
    const std::string copyPath = dest_.PathOf("d_002.jpg");
    if (disk_.failAt == "rename") {
        // The system refuses the copy's name: told as for a name it refuses to create.
        EXPECT_FALSE(Copy(photo, Base("d")));
        const platform::FileError refused(testing_support::FaultyDisk::kFailure, copyPath);
        EXPECT_EQ((Shown{"box: Error Destination " + refused.Message()}), messages_.shown);
    } else {
        try {
            Copy(photo, Base("d"));
            ADD_FAILURE() << "no error";
        } catch (const platform::FileError& error) {
            EXPECT_EQ(disk_.failAt == "read" ? "photo" : copyPath, error.FileName());
        }
        EXPECT_TRUE(messages_.shown.empty());
    }
    EXPECT_EQ(3, next_);
    // Even before the run is over, nothing but the earlier copy is left.
    EXPECT_EQ((Names{"d_001.jpg"}), FilesBelow(dest_.Native("")));
    EXPECT_EQ((Names{"d_001.jpg"}), DestNames());
    EXPECT_EQ("an earlier copy", dest_.Read("d_001.jpg"));
    EXPECT_EQ(bytes, source_.Read("a.jpg"));

    // Pressed again on a sound disk: the name is free again and the copy whole.
    disk_.failAt.clear();
    next_ = 1;
    ASSERT_TRUE(Copy(photo, Base("d")));
    Finish();
    EXPECT_EQ(bytes, dest_.Read("d_002.jpg"));
    EXPECT_EQ((Names{"d_001.jpg", "d_002.jpg"}), DestNames());
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingStep, ::testing::Values("read", "write", "flush", "rename"));

TEST_F(NumberedCopy, AnUnfinishedCopyThatCannotBeCreatedEndsTheRunWithErrorDestination) {
    disk_.failAt = "create";
    EXPECT_FALSE(Copy(Photo("a.jpg", "A"), Base("d")));
    EXPECT_EQ(2, next_);
    EXPECT_EQ(
        (Shown{"box: Error Destination " +
               platform::FileError(testing_support::FaultyDisk::kFailure, dest_.PathOf("d_001.jpg"))
                   .Message()}),
        messages_.shown);
    EXPECT_TRUE(DestNames().empty());
}

// Another program puts a file under the chosen name after the folder was read: it is
// kept, and the finished copy takes the next free number, without a word to the user.
TEST_F(NumberedCopy, ANameTakenAtTheRenameMovesToTheNextNumber) {
    dest_.Write("d_002.jpg", "older");
    disk_.beforeRename = [&](const std::string& name) {
        if (name == dest_.PathOf("d_001.jpg") || name == dest_.PathOf("d_003.jpg")) {
            dest_.Write(name.substr(name.rfind('\\') + 1), "someone else's");
        }
    };
    const std::string bytes = PhotoBytes(5000);
    ASSERT_TRUE(Copy(Photo("a.jpg", bytes), Base("d")));
    Finish();
    EXPECT_EQ(5, next_);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ((Names{"d_001.jpg", "d_002.jpg", "d_003.jpg", "d_004.jpg"}), DestNames());
    EXPECT_EQ("someone else's", dest_.Read("d_001.jpg"));
    EXPECT_EQ("older", dest_.Read("d_002.jpg"));
    EXPECT_EQ("someone else's", dest_.Read("d_003.jpg"));
    EXPECT_EQ(bytes, dest_.Read("d_004.jpg"));
}

TEST_F(NumberedCopy, ANameTakenAtTheRenameOfNumber999MeetsTheLimit) {
    next_ = 999;
    disk_.beforeRename = [&](const std::string& name) {
        dest_.Write(name.substr(name.rfind('\\') + 1), "someone else's");
    };
    EXPECT_FALSE(Copy(Photo("a.jpg", "A"), Base("d")));
    EXPECT_EQ((Shown{"box: Number of files with same title limited by 999"}), messages_.shown);
    EXPECT_EQ((Names{"d_999.jpg"}), FilesBelow(dest_.Native("")));
    EXPECT_EQ((Names{"d_999.jpg"}), DestNames());
    EXPECT_EQ("someone else's", dest_.Read("d_999.jpg"));
}

// The unfinished copies of runs that were killed are removed at the next run's first
// copy, and their folders with them; every entry of the user's stays as it was, even one
// under the name the run would give its own folder, and the run goes on.
TEST_F(NumberedCopy, LeftoversOfInterruptedRunsGoAndNothingOfTheUsersIsTouched) {
    std::filesystem::create_directories(dest_.Native("~bvzz"));
    dest_.Write("~bvzz/001", "half a photo");
    dest_.Write("~bvzz/002", "a whole one");
    std::filesystem::create_directories(dest_.Native("~BV9K-1"));
    dest_.Write("~BV9K-1/007", "half another");
    dest_.Write("~bvt1", "the user's file under the run's folder name");
    std::filesystem::create_directories(dest_.Native("~bvt1-1"));
    dest_.Write("~bvt1-1/notes.part", "the user's unfinished download");
    dest_.Write("~bvt1-1/003.txt", "the user's");
    std::filesystem::create_directories(dest_.Native("~bvempty-folder"));
    dest_.Write("~t1001", "the user's file under the name beside the photos");
    dest_.Write("IMG_0001.JPG", "a photo");
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("d")));
    ASSERT_TRUE(Copy(Photo("b.jpg", "B"), Base("d")));
    Finish();
    EXPECT_EQ((Names{"IMG_0001.JPG", "d_001.jpg", "d_002.jpg", "~bvt1", "~bvt1-1/003.txt",
                     "~bvt1-1/notes.part", "~t1001"}),
              FilesBelow(dest_.Native("")));
    EXPECT_TRUE(std::filesystem::is_directory(dest_.Native("~bvempty-folder")));
    EXPECT_EQ("the user's file under the run's folder name", dest_.Read("~bvt1"));
    EXPECT_EQ("the user's unfinished download", dest_.Read("~bvt1-1/notes.part"));
    EXPECT_EQ("A", dest_.Read("d_001.jpg"));
    EXPECT_EQ("B", dest_.Read("d_002.jpg"));
    EXPECT_TRUE(messages_.shown.empty());
}

// Another Brenvale saving into the same folder takes this run's folder, empty between two
// copies, for a leftover and removes it: the next copy makes it again, in the same place.
TEST_F(NumberedCopy, ARunFolderClearedAwayMeanwhileIsMadeAgain) {
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("230714_Trip")));
    ASSERT_TRUE(std::filesystem::remove(dest_.Native("~bvt1")));
    ASSERT_TRUE(Copy(Photo("b.jpg", "B"), Base("230714_Trip")));
    Finish();
    EXPECT_EQ(dest_.PathOf("~bvt1\\2"), disk_.created.back());
    EXPECT_EQ((Names{"230714_Trip_001.jpg", "230714_Trip_002.jpg"}), FilesBelow(dest_.Native("")));
    EXPECT_EQ("B", dest_.Read("230714_Trip_002.jpg"));
}

// No unfinished copy has a longer path than the copy it becomes: every folder whose copies
// fit the system's path limit takes them. A copy whose name is short is written beside
// the photos.
TEST_F(NumberedCopy, AnUnfinishedPathIsNeverLongerThanTheCopysOwn) {
    for (const std::string base : {"d", "d1_T", "230714_Holiday", "_"}) {
        ASSERT_TRUE(Copy(Photo(base + ".jpg", base), Base(base)));
    }
    Finish();
    const std::vector<std::string> names{"d_001.jpg", "d1_T_002.jpg", "230714_Holiday_003.jpg",
                                         "__004.jpg"};
    const std::vector<std::string>& created = disk_.created;
    ASSERT_EQ(names.size(), created.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_LE(created[i].size(), dest_.PathOf(names[i]).size()) << created[i];
    }
    EXPECT_EQ(Names(names.begin(), names.end()), FilesBelow(dest_.Native("")));
}

// A drop box that may be written but not read: the copies still arrive, and a name that
// is taken there is still never replaced.
TEST_F(NumberedCopy, AFolderThatCannotBeListedTakesTheCopies) {
    dest_.Write("d_001.jpg", "older");
    disk_.failAt = "list";
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("d")));
    ASSERT_TRUE(Copy(Photo("b.jpg", "B"), Base("d")));
    Finish();
    EXPECT_EQ(4, next_);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ((Names{"d_001.jpg", "d_002.jpg", "d_003.jpg"}), FilesBelow(dest_.Native("")));
    EXPECT_EQ("older", dest_.Read("d_001.jpg"));
    EXPECT_EQ("A", dest_.Read("d_002.jpg"));
}

// A folder where no subfolder can be made: the unfinished copies are written beside the
// photos, and still carry a photo's name only once they are whole.
TEST_F(NumberedCopy, AFolderWithoutSubfoldersTakesTheCopies) {
    disk_.failAt = "mkdir";
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("230714_Holiday")));
    Finish();
    EXPECT_EQ((std::vector<std::string>{dest_.PathOf("~t1001")}), disk_.created);
    EXPECT_EQ((Names{"230714_Holiday_001.jpg"}), FilesBelow(dest_.Native("")));
}

// Wine looks up a missing name by reading the whole folder: the run reads the folder
// once, and each photo costs one such look-up (its rename), and the working folder one.
TEST_F(NumberedCopy, ABigFolderIsReadOnceAndEachPhotoLooksUpOneMissingName) {
    for (int i = 1; i <= 40; ++i) dest_.Write("d_" + std::to_string(100 + i) + ".jpg", "x");
    for (const char* taken : {"d_001.jpg", "d_002.jpg", "d_003.jpg"}) dest_.Write(taken, "x");
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Copy(Photo("p" + std::to_string(i) + ".jpg", "P"), Base("d")));
        EXPECT_EQ(std::string::npos, disk_.created.back().find("\\~t1")) << "beside the photos";
    }
    Finish();
    EXPECT_EQ(1, disk_.watchedListings);
    EXPECT_EQ(5 + 1, disk_.missingLookups);
    EXPECT_EQ(9, next_);
    EXPECT_EQ("P", dest_.Read("d_008.jpg"));
}

}  // namespace
