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
#include "platform/file_error.h"
#include "test_support.h"

using testing_support::PhotoBytes;
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
    // One photo; false once the run has to stop, with what the user is told in shown_.
    bool Copy(const std::string& sourcePath, const std::string& base) {
        if (!run_) run_.emplace(disk_, dest_.Path(), kRun, next_);
        return Told(run_->CopyWithNumber(sourcePath, base));
    }
    // As at the end of a save run: the last copy finished, the folder's names on the disk,
    // the run's folder gone.
    bool Finish() { return Told(run_->Finish()); }
    // What the user finds in the folder once the run is over and its folder gone.
    std::set<std::string> DestNames() {
        run_.reset();
        return dest_.FileNames();
    }
    bool Told(const transfer::Failure& failure) {
        if (failure) shown_.push_back(*failure);
        return !failure;
    }

    TempDir source_;
    TempDir dest_;
    std::vector<std::string> shown_;
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
    ASSERT_TRUE(Finish());
    EXPECT_EQ(6, next_);
    EXPECT_EQ("photo a", dest_.Read("d_005.jpg"));
    EXPECT_EQ("d_003.jpg", dest_.Read("d_003.jpg"));
    EXPECT_TRUE(shown_.empty());
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
    EXPECT_EQ(c.result, Copy(Photo("a.jpg", "A"), Base("d")) && Finish());
    EXPECT_EQ(c.nextAfter, next_);
    EXPECT_EQ(expected, DestNames());
    const Shown limit{"Number of files with same title limited by 999"};
    EXPECT_EQ(c.result ? Shown{} : limit, shown_);
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
    EXPECT_EQ(Shown{"Number of files with same title limited by 999"}, shown_);
    EXPECT_EQ((Names{"d1_999.jpg"}), DestNames());
}

// Sizes around the 4096-byte buffer: the copy holds exactly the photo's bytes.
TEST_F(NumberedCopy, CopyHoldsExactlyThePhotosBytes) {
    for (std::size_t size : {0u, 1u, 4095u, 4096u, 4097u, 3u * 4096u + 5u, (1u << 20) + 3u}) {
        SCOPED_TRACE(size);
        const std::string bytes = PhotoBytes(size);
        const std::string name = "p" + std::to_string(size) + ".jpg";
        ASSERT_TRUE(Copy(Photo(name, bytes), Base("s" + std::to_string(size))));
        ASSERT_TRUE(Finish());
        char copyName[32];
        std::snprintf(copyName, sizeof copyName, "s%zu_%03d.jpg", size, next_ - 1);
        EXPECT_EQ(bytes, dest_.Read(copyName));
        EXPECT_EQ(bytes, source_.Read(name));
    }
    EXPECT_TRUE(shown_.empty());
}

// The photo already has a name of the run's form in the same folder: it is skipped as
// taken and never written to.
TEST_F(NumberedCopy, PhotoInsideTheDestinationIsNotOverwritten) {
    dest_.Write("d_001.jpg", "the photo");
    ASSERT_TRUE(Copy(dest_.PathOf("d_001.jpg"), Base("d")));
    ASSERT_TRUE(Finish());
    EXPECT_EQ("the photo", dest_.Read("d_001.jpg"));
    EXPECT_EQ("the photo", dest_.Read("d_002.jpg"));
}

// A photo that vanished after its date was read: the number counts as used.
TEST_F(NumberedCopy, MissingSourceShowsErrorSourceAndUsesTheNumber) {
    const std::string missing = source_.PathOf("IMG_0002.JPG");
    EXPECT_FALSE(Copy(missing, Base("d")));
    EXPECT_EQ(2, next_);
    ASSERT_EQ(1u, shown_.size());
    const std::string& shown = shown_[0];
    EXPECT_EQ(0u, shown.rfind("Error Source ", 0)) << shown;
    EXPECT_NE(std::string::npos, shown.find(missing)) << shown;
    EXPECT_TRUE(DestNames().empty());

    shown_.clear();
    ASSERT_TRUE(Copy(Photo("IMG_0003.JPG", "C"), Base("d")));
    EXPECT_EQ((Names{"d_002.jpg"}), DestNames());
}

TEST_F(NumberedCopy, FileErrorTextIsCutTo1023Characters) {
    std::string missing = source_.Path();
    while (missing.size() < 1500) missing += "\\abcdefghijklmnopqrstuvwxyz0123456789";
    missing += ".jpg";
    EXPECT_FALSE(Copy(missing, Base("d")));
    ASSERT_EQ(1u, shown_.size());
    const std::string prefix = "Error Source ";
    const std::string& shown = shown_[0];
    ASSERT_EQ(prefix.size() + 1023, shown.size());
    // The error text begins with the file's name, so the cut falls inside it.
    EXPECT_EQ(prefix + "\"" + missing.substr(0, 1022), shown);
}

// A folder that has gone: the message names the copy as the user would have found it.
TEST_F(NumberedCopy, MissingDestinationFolderShowsErrorDestination) {
    const std::string folder = dest_.PathOf("no such folder");
    const std::string photo = Photo("a.jpg", "A");
    transfer::Destination missing(disk_, folder, kRun, next_);
    const transfer::Failure failure = missing.CopyWithNumber(photo, "d");
    EXPECT_EQ(2, next_);
    ASSERT_TRUE(failure);
    EXPECT_EQ(0u, failure->rfind("Error Destination \"" + folder + "\\d_001.jpg\" - Error ", 0))
        << *failure;
    EXPECT_TRUE(DestNames().empty());
    // The photo was closed again: it can be removed.
    EXPECT_EQ(0u, platform::RemoveFile(photo));
}

// Any entry under a name makes it taken, a folder as much as a file, whether it opens
// or not: it is skipped, never replaced, and the run goes on.
TEST_F(NumberedCopy, AFolderUnderTheNameIsSkipped) {
    std::filesystem::create_directory(dest_.Native("d_001.jpg"));
    dest_.Write("d_001.jpg/inside.txt", "kept");
    EXPECT_TRUE(Copy(Photo("a.jpg", "A"), Base("d")));
    ASSERT_TRUE(Finish());
    EXPECT_EQ(3, next_);
    EXPECT_TRUE(shown_.empty());
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
    ASSERT_TRUE(Finish());
    EXPECT_EQ(0u, platform::RemoveFile(photo));
    EXPECT_EQ(0u, platform::RemoveFile(dest_.PathOf("d_001.jpg")));
    EXPECT_TRUE(DestNames().empty());
}

// A step of the copy that fails: the unfinished copy goes with the failure, nothing takes
// the photo's name, the number counts as used, and the photo is as it was. The user is told
// of the photo for a read, and otherwise of the copy as they would have found it.
struct StepCase {
    const char* step;
    const char* prefix;  // before the file error's own text
    bool namesPhoto;
};

std::ostream& operator<<(std::ostream& out, const StepCase& c) {
    return out << c.step;
}

class FailingStep : public NumberedCopy, public ::testing::WithParamInterface<StepCase> {};

TEST_P(FailingStep, LeavesNoUnfinishedCopyAndNoName) {
    dest_.Write("d_001.jpg", "an earlier copy");
    const std::string bytes = PhotoBytes(3 * 4096 + 7);
    const std::string photo = Photo("a.jpg", bytes);
    disk_.failAt = GetParam().step;
    const std::string copyPath = dest_.PathOf("d_002.jpg");
    // A copy is finished while the next photo is copied: its failure may be told then, or
    // at the end of the run.
    EXPECT_FALSE(Copy(photo, Base("d")) && Finish());
    const platform::FileError error(testing_support::FaultyDisk::kFailure,
                                    GetParam().namesPhoto ? photo : copyPath);
    EXPECT_EQ(Shown{GetParam().prefix + error.Message()}, shown_);
    EXPECT_EQ(3, next_);
    // Even before the run is over, nothing but the earlier copy is left, beside the run's
    // marker while the run is at work.
    Names below = FilesBelow(dest_.Native(""));
    below.erase(std::string("~bvt1/") + transfer::kRunMarker);
    EXPECT_EQ((Names{"d_001.jpg"}), below);
    EXPECT_EQ((Names{"d_001.jpg"}), DestNames());
    EXPECT_EQ("an earlier copy", dest_.Read("d_001.jpg"));
    EXPECT_EQ(bytes, source_.Read("a.jpg"));

    // Pressed again on a sound disk: the name is free again and the copy whole.
    disk_.failAt.clear();
    next_ = 1;
    ASSERT_TRUE(Copy(photo, Base("d")));
    ASSERT_TRUE(Finish());
    EXPECT_EQ(bytes, dest_.Read("d_002.jpg"));
    EXPECT_EQ((Names{"d_001.jpg", "d_002.jpg"}), DestNames());
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingStep,
                         ::testing::Values(StepCase{"read", "", true}, StepCase{"write", "", false},
                                           StepCase{"flush", "", false},
                                           StepCase{"read back", "Error Destination ", false},
                                           StepCase{"rename", "Error Destination ", false}),
                         [](const auto& info) {
                             std::string name = info.param.step;
                             name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
                             return name;
                         });

// What the disk gives back of the second of three copies is not what was written: a byte
// changed, bytes missing or bytes added. That copy never gets a photo's name, the user is
// told which photo and which copy, the copy before stays, and the run stops there.
struct Lie {
    const char* name;
    void (*change)(std::string& bytes);
};

std::ostream& operator<<(std::ostream& out, const Lie& lie) {
    return out << lie.name;
}

class DiskGivesBack : public NumberedCopy, public ::testing::WithParamInterface<Lie> {};

TEST_P(DiskGivesBack, AnythingButTheWholePhotoAndTheCopyIsNeverNamed) {
    const std::string a = PhotoBytes(40000) + "a";
    const std::string b = PhotoBytes(40000) + "b";
    disk_.lieAbout = 2;
    disk_.lie = GetParam().change;
    const bool saved = Copy(Photo("a.jpg", a), Base("d1_T")) &&
                       Copy(Photo("b.jpg", b), Base("d1_T")) &&
                       Copy(Photo("c.jpg", PhotoBytes(40000)), Base("d1_T")) && Finish();
    EXPECT_FALSE(saved);
    EXPECT_EQ(
        (Shown{"The copy \"" + dest_.PathOf("d1_T_002.jpg") +
               "\" read back from the disk differs from the photo \"" + source_.PathOf("b.jpg") +
               "\", so it was not kept. The destination's disk may be failing."}),
        shown_);
    EXPECT_EQ((Names{"d1_T_001.jpg"}), DestNames());
    EXPECT_EQ((Names{"d1_T_001.jpg"}), FilesBelow(dest_.Native("")));
    EXPECT_EQ(a, dest_.Read("d1_T_001.jpg"));
    EXPECT_EQ(b, source_.Read("b.jpg"));
}

INSTANTIATE_TEST_SUITE_P(
    Lies, DiskGivesBack,
    ::testing::Values(Lie{"OneByte", [](std::string& bytes) { bytes[5000] ^= 0x20; }},
                      Lie{"Shorter", [](std::string& bytes) { bytes.pop_back(); }},
                      Lie{"Longer", [](std::string& bytes) { bytes.append(4096, '\0'); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The second photo is cut short or grows while it is copied (a card that ends a file early,
// a program writing to it): neither the photo as it was nor as it is would be saved.
class PhotoChanges : public NumberedCopy, public ::testing::WithParamInterface<const char*> {};

TEST_P(PhotoChanges, WhileItIsCopiedItIsNotSaved) {
    disk_.changeDuring = 2;
    disk_.change = GetParam();
    const std::string a = PhotoBytes(10000);
    EXPECT_TRUE(Copy(Photo("a.jpg", a), Base("d")));
    EXPECT_FALSE(Copy(Photo("b.jpg", PhotoBytes(3000000)), Base("d")));
    EXPECT_EQ((Shown{"The photo \"" + source_.PathOf("b.jpg") +
                     "\" changed while it was being copied, so its copy was not kept."}),
              shown_);
    EXPECT_EQ((Names{"d_001.jpg"}), DestNames());
    EXPECT_EQ(a, dest_.Read("d_001.jpg"));
}

INSTANTIATE_TEST_SUITE_P(Changes, PhotoChanges, ::testing::Values("shrink", "grow"));

// While one copy is written through to the disk and read back, the next photo is read: the
// card never waits for the disk.
TEST_F(NumberedCopy, ACopyIsFinishedWhileTheNextPhotoIsRead) {
    disk_.firstFlushAwaitsNextRead = true;
    const std::string a = PhotoBytes(100000) + "a";
    const std::string b = PhotoBytes(100000) + "b";
    ASSERT_TRUE(Copy(Photo("a.jpg", a), Base("d")));
    ASSERT_TRUE(Copy(Photo("b.jpg", b), Base("d")));
    ASSERT_TRUE(Finish());
    const std::vector<std::string> events = disk_.Events();
    const auto at = [&](const std::string& event) {
        return std::find(events.begin(), events.end(), event) - events.begin();
    };
    EXPECT_LT(at("read photo b.jpg"), at("flushed 1")) << testing::PrintToString(events);
    // Each copy: written through, read back, named; the folder's names last.
    for (const auto& [unfinished, name] : {std::pair{"1", "d_001.jpg"}, {"2", "d_002.jpg"}}) {
        EXPECT_LT(at(std::string("flush ") + unfinished),
                  at(std::string("read back ") + unfinished));
        EXPECT_LT(at(std::string("read back ") + unfinished), at(std::string("rename ") + name));
    }
    EXPECT_EQ("flush the folder", events.back());
    EXPECT_EQ(a, dest_.Read("d_001.jpg"));
    EXPECT_EQ(b, dest_.Read("d_002.jpg"));
}

TEST_F(NumberedCopy, AnUnfinishedCopyThatCannotBeCreatedEndsTheRunWithErrorDestination) {
    disk_.failAt = "create";
    EXPECT_FALSE(Copy(Photo("a.jpg", "A"), Base("d")));
    EXPECT_EQ(2, next_);
    EXPECT_EQ(
        (Shown{"Error Destination " +
               platform::FileError(testing_support::FaultyDisk::kFailure, dest_.PathOf("d_001.jpg"))
                   .Message()}),
        shown_);
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
    ASSERT_TRUE(Finish());
    EXPECT_EQ(5, next_);
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
    EXPECT_FALSE(Copy(Photo("a.jpg", "A"), Base("d")) && Finish());
    EXPECT_EQ((Shown{"Number of files with same title limited by 999"}), shown_);
    EXPECT_EQ((Names{"d_999.jpg"}), FilesBelow(dest_.Native("")));
    EXPECT_EQ((Names{"d_999.jpg"}), DestNames());
    EXPECT_EQ("someone else's", dest_.Read("d_999.jpg"));
}

// What runs that were killed left in their marked folders is removed at the next run's
// first copy, and their folders with them. Every entry of the user's stays as it was: a
// folder named like a run's folder without the mark (with files named as unfinished copies
// are, or empty), a file under the run's own folder name, a file under the name beside the
// photos. And the run goes on.
TEST_F(NumberedCopy, LeftoversOfKilledRunsGoAndNothingOfTheUsersIsTouched) {
    const auto killedRun = [&](const std::string& folder, const std::vector<std::string>& copies) {
        std::filesystem::create_directories(dest_.Native(folder));
        dest_.Write(folder + "/" + transfer::kRunMarker, "");
        for (const std::string& copy : copies) dest_.Write(folder + "/" + copy, "half a photo");
    };
    killedRun("~bvzz", {"1", "002", "1000"});
    killedRun("~BV9K-1", {"7"});
    killedRun("~bvq3", {});
    const Names users{"~bv1/001",        "~bv1/12",        "~bv1/notes.txt", "~BV5/001",
                      "~Bv6-2/001",      "~bvabcdefg/001", "~bvt1",          "~bvt1-1/notes.part",
                      "~bvt1-1/003.txt", "~t1001",         "IMG_0001.JPG"};
    for (const std::string& name : users) {
        std::filesystem::create_directories(dest_.Native(name).parent_path());
        dest_.Write(name, "the user's " + name);
    }
    std::filesystem::create_directories(dest_.Native("~bvabc"));
    ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("d")));
    ASSERT_TRUE(Copy(Photo("b.jpg", "B"), Base("d")));
    ASSERT_TRUE(Finish());
    Names expected = users;
    expected.insert({"d_001.jpg", "d_002.jpg"});
    EXPECT_EQ(expected, FilesBelow(dest_.Native("")));
    for (const std::string& name : users) EXPECT_EQ("the user's " + name, dest_.Read(name));
    EXPECT_TRUE(std::filesystem::is_directory(dest_.Native("~bvabc")));
    EXPECT_EQ("A", dest_.Read("d_001.jpg"));
    EXPECT_EQ("B", dest_.Read("d_002.jpg"));
}

// No unfinished copy has a longer path than the copy it becomes: every folder whose copies
// fit the system's path limit takes them. A copy whose name is short is written beside
// the photos.
TEST_F(NumberedCopy, AnUnfinishedPathIsNeverLongerThanTheCopysOwn) {
    for (const std::string base : {"d", "d1_T", "230714_Holiday", "_"}) {
        ASSERT_TRUE(Copy(Photo(base + ".jpg", base), Base(base)));
    }
    ASSERT_TRUE(Finish());
    const std::vector<std::string> names{"d_001.jpg", "d1_T_002.jpg", "230714_Holiday_003.jpg",
                                         "__004.jpg"};
    const std::vector<std::string> created = disk_.Created();
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
    ASSERT_TRUE(Finish());
    EXPECT_EQ(4, next_);
    EXPECT_EQ((Names{"d_001.jpg", "d_002.jpg", "d_003.jpg"}), FilesBelow(dest_.Native("")));
    EXPECT_EQ("older", dest_.Read("d_001.jpg"));
    EXPECT_EQ("A", dest_.Read("d_002.jpg"));
}

// A folder where no subfolder can be made, or where the run's folder cannot take its marker
// (its path would be too long, close to the system's limit): the unfinished copies are
// written beside the photos, no empty folder is left, and copies still carry a photo's name
// only once they are whole. When every name for it there is taken, the user is told, and
// nothing is written.
TEST_F(NumberedCopy, AFolderWithoutSubfoldersTakesTheCopies) {
    for (const char* failing : {"mark", "mkdir"}) {
        disk_.failAt = failing;
        run_.reset();
        std::filesystem::remove(dest_.Native("230714_Holiday_001.jpg"));
        next_ = 1;
        ASSERT_TRUE(Copy(Photo("a.jpg", "A"), Base("230714_Holiday")));
        ASSERT_TRUE(Finish());
        EXPECT_EQ(dest_.PathOf("~t1001"), disk_.Created().back());
        EXPECT_EQ((Names{"230714_Holiday_001.jpg"}), Names(DestNames()));
    }

    run_.reset();
    next_ = 1;
    dest_.Write("~t1001", "the user's");
    for (int k = 1; k < 10; ++k) dest_.Write("~t1001-" + std::to_string(k), "the user's");
    EXPECT_FALSE(Copy(Photo("b.jpg", "B"), Base("230714_Holiday")));
    ASSERT_EQ(1u, shown_.size());
    EXPECT_EQ(
        0u, shown_[0].rfind(
                "Error Destination \"" + dest_.PathOf("230714_Holiday_002.jpg") + "\" - Error ", 0))
        << shown_[0];
    EXPECT_EQ(11u, DestNames().size());
}

// Wine looks up a missing name by reading the whole folder: the run reads the folder
// once, and each photo costs one such look-up (its rename), and the working folder one.
TEST_F(NumberedCopy, ABigFolderIsReadOnceAndEachPhotoLooksUpOneMissingName) {
    for (int i = 1; i <= 40; ++i) dest_.Write("d_" + std::to_string(100 + i) + ".jpg", "x");
    for (const char* taken : {"d_001.jpg", "d_002.jpg", "d_003.jpg"}) dest_.Write(taken, "x");
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Copy(Photo("p" + std::to_string(i) + ".jpg", "P"), Base("d")));
        EXPECT_EQ(std::string::npos, disk_.Created().back().find("\\~t1")) << "beside the photos";
    }
    ASSERT_TRUE(Finish());
    EXPECT_EQ(1, disk_.WatchedListings());
    EXPECT_EQ(5 + 1, disk_.MissingLookups());
    EXPECT_EQ(9, next_);
    EXPECT_EQ("P", dest_.Read("d_008.jpg"));
}

}  // namespace
