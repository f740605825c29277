#include "transfer/save_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "faulty_disk.h"
#include "file_time.h"
#include "photo_corpus.h"
#include "photos/photo_list.h"
#include "platform/file_error.h"
#include "platform/system.h"
#include "test_support.h"
#include "transfer/copy_path_length.h"
#include "transfer/date_stamp.h"
#include "transfer/numbered_copy.h"

using testing_support::PhotoBytes;
using testing_support::TempDir;
using transfer::RunSave;

namespace {

using Events = std::vector<std::string>;
using Names = std::set<std::string>;

const char kDefaultDate[] = "Date of foto";

// The main window as a save run sees it, writing down everything the run does to it in
// order, its message boxes included. Dates and copies are the real ones, on real files.
class RecordingWindow : public transfer::SaveRunWindow, public framework::MessagePort {
public:
    std::string title = "Holiday";
    std::string date = kDefaultDate;
    std::optional<std::string> chosenFolder;  // nothing: the user cancels the chooser
    Events events;

    std::string TitleText() override { return title; }
    std::string DateText() override {
        events.push_back("read date");
        return date;
    }
    void SetWaitCursor() override { events.push_back("wait cursor"); }
    void SetProgress(int position) override {
        events.push_back("progress " + std::to_string(position));
    }
    bool ChooseFolder(std::string& folder) override {
        events.push_back("chooser");
        if (!chosenFolder) return false;
        folder = *chosenFolder;
        return true;
    }

    void Show(const std::string& text) override { events.push_back("box: " + text); }
    void ShowSystemError(const std::string& text) override { Show("error " + text); }
};

std::string DateText(const char* when) {
    return std::string(when) + " 10:15:00";
}

class SaveRun : public ::testing::Test {
protected:
    // A photo whose embedded date-time text is `when` ("2023:07:14"), or none when null.
    void WritePhoto(const std::string& name, const char* when) {
        std::vector<testing_support::PlacedText> texts;
        if (when) texts.push_back({200, DateText(when)});
        photos_.Write(name, PhotoBytes(1000, texts) + name);
    }
    void AddPhoto(const std::string& name, const char* when) {
        WritePhoto(name, when);
        list_.Add(photos_.PathOf(name).c_str());
    }
    void AddPhotos(int count) {
        for (int i = 1; i <= count; ++i)
            AddPhoto("IMG_" + std::to_string(i) + ".JPG", "2023:07:14");
    }
    void ChooseDest() { window_.chosenFolder = dest_.Path(); }
    transfer::SaveResult Run() {
        return RunSave(window_, {list_, kDefaultDate, longDate_, nextNumber_, window_, *disk_});
    }
    Names DestNames() const { return dest_.FileNames(); }

    TempDir photos_;
    TempDir dest_;
    CPhotoList list_;
    bool longDate_ = false;
    int nextNumber_ = 42;
    RecordingWindow window_;
    testing_support::FaultyDisk faultyDisk_;
    platform::Disk* disk_ = &faultyDisk_;
};

// Each copy is on the disk and read back from it before it gets its name; the run says
// it saved once the folder's names are on the disk too and the run's folder of unfinished
// copies has gone.
TEST_F(SaveRun, ACompleteRunInOrder) {
    AddPhoto("a.jpg", "2023:07:14");
    AddPhoto("b.jpg", nullptr);
    testing_support::SetLastWriteTimeUtc(photos_.PathOf("b.jpg"), 2023, 6, 1, 12, 0);
    faultyDisk_.watched = dest_.Path();
    ChooseDest();
    const transfer::SaveResult result = Run();
    EXPECT_EQ(result.outcome, transfer::SaveOutcome::Saved);
    EXPECT_EQ(result.message, "Fotos successfully saved");
    EXPECT_EQ(result.folder, dest_.Path());
    EXPECT_EQ(window_.events, (Events{"wait cursor", "progress 0", "chooser", "read date",
                                      "progress 5", "progress 10"}));
    Events finishing;
    for (const std::string& event : faultyDisk_.Events()) {
        if (event.rfind("read photo", 0) != 0) finishing.push_back(event);
    }
    EXPECT_EQ(finishing,
              (Events{"flush 1", "read back 1", "rename 230714_Holiday_001.jpg", "flush 2",
                      "read back 2", "rename 230601_Holiday_002.jpg", "flush the folder"}));
    EXPECT_EQ(DestNames(), (Names{"230714_Holiday_001.jpg", "230601_Holiday_002.jpg"}));
    EXPECT_EQ(dest_.Read("230714_Holiday_001.jpg"), photos_.Read("a.jpg"));
    EXPECT_EQ(dest_.Read("230601_Holiday_002.jpg"), photos_.Read("b.jpg"));
    EXPECT_EQ(nextNumber_, 3);
}

struct ProgressCase {
    int photos;
    std::vector<int> positions;  // before each copy
};

class Progress : public SaveRun, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(Progress, IsSetBeforeEachCopy) {
    AddPhotos(GetParam().photos);
    ChooseDest();
    EXPECT_EQ(Run().outcome, transfer::SaveOutcome::Saved);
    Events expected{"progress 0"};
    for (int position : GetParam().positions)
        expected.push_back("progress " + std::to_string(position));
    Events seen;
    for (const std::string& event : window_.events) {
        if (event.rfind("progress", 0) == 0) seen.push_back(event);
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(DestNames().size(), static_cast<std::size_t>(GetParam().photos));
}

INSTANTIATE_TEST_SUITE_P(Counts, Progress,
                         ::testing::Values(ProgressCase{3, {3, 6, 10}},
                                           ProgressCase{4, {2, 5, 7, 10}}, ProgressCase{1, {10}},
                                           ProgressCase{7, {1, 2, 4, 5, 7, 8, 10}}));

TEST(ProgressBefore, StaysWithinTheBarForLongLists) {
    EXPECT_EQ(transfer::ProgressBefore(0, 1000), 0);
    EXPECT_EQ(transfer::ProgressBefore(999, 1000), 10);
    EXPECT_EQ(transfer::ProgressBefore(299999999, 300000000), 10);
}

struct NamingCase {
    const char* name;
    std::string title;
    std::string date;
    bool longDate;
    Names copies;
};

void PrintTo(const NamingCase& c, std::ostream* out) {
    *out << c.name;
}

class Naming : public SaveRun, public ::testing::WithParamInterface<NamingCase> {};

// Photos of two days, the second of them with a date-time text of the 15th; the third photo
// has none and was last written on 1 June.
TEST_P(Naming, GivesTheNamesOfTheRules) {
    AddPhoto("IMG_1.JPG", "2023:07:14");
    AddPhoto("IMG_2.JPG", "2023:07:15");
    AddPhoto("IMG_3.JPG", nullptr);
    testing_support::SetLastWriteTimeUtc(photos_.PathOf("IMG_3.JPG"), 2023, 6, 1, 12, 0);
    window_.title = GetParam().title;
    window_.date = GetParam().date;
    longDate_ = GetParam().longDate;
    ChooseDest();
    EXPECT_EQ(Run().outcome, transfer::SaveOutcome::Saved);
    EXPECT_EQ(DestNames(), GetParam().copies);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Naming,
    ::testing::Values(
        NamingCase{"PhotoDatesNumberOnAcrossDays",
                   "Holiday",
                   kDefaultDate,
                   false,
                   {"230714_Holiday_001.jpg", "230715_Holiday_002.jpg", "230601_Holiday_003.jpg"}},
        NamingCase{"LongStampOnlyForEmbeddedDates",
                   "Holiday",
                   kDefaultDate,
                   true,
                   {"230714-101500_Holiday_001.jpg", "230715-101500_Holiday_002.jpg",
                    "230601_Holiday_003.jpg"}},
        NamingCase{
            "TypedDateForEveryPhotoLongDateIgnored",
            "Holiday",
            "2023-07-14",
            true,
            {"20230714_Holiday_001.jpg", "20230714_Holiday_002.jpg", "20230714_Holiday_003.jpg"}},
        NamingCase{"DefaultTextInOtherCaseIsATypedDate",
                   "Holiday",
                   "date of foto",
                   false,
                   {"dateoffoto_Holiday_001.jpg", "dateoffoto_Holiday_002.jpg",
                    "dateoffoto_Holiday_003.jpg"}},
        NamingCase{"EmptyDatePart",
                   "Holiday",
                   " .-/ ",
                   false,
                   {"_Holiday_001.jpg", "_Holiday_002.jpg", "_Holiday_003.jpg"}},
        NamingCase{"EmptyTitleIsPicture",
                   "",
                   kDefaultDate,
                   false,
                   {"230714_picture_001.jpg", "230715_picture_002.jpg", "230601_picture_003.jpg"}},
        NamingCase{
            "BlankTitleKept", "  ", "1", false, {"1_  _001.jpg", "1_  _002.jpg", "1_  _003.jpg"}},
        NamingCase{"LongTypedDateKeptWhole",
                   "T",
                   std::string(40, '7') + "x",
                   false,
                   {std::string(40, '7') + "x_T_001.jpg", std::string(40, '7') + "x_T_002.jpg",
                    std::string(40, '7') + "x_T_003.jpg"}}),
    [](const ::testing::TestParamInfo<NamingCase>& info) { return std::string(info.param.name); });

TEST_F(SaveRun, TheTypedDateIsReadOnce) {
    AddPhotos(3);
    window_.date = "14.07.2023";
    ChooseDest();
    Run();
    EXPECT_EQ(std::count(window_.events.begin(), window_.events.end(), "read date"), 1);
}

TEST_F(SaveRun, EmptyListDoesNothing) {
    ChooseDest();
    EXPECT_EQ(Run().outcome, transfer::SaveOutcome::NothingToSave);
    EXPECT_EQ(window_.events, Events{});
    EXPECT_EQ(nextNumber_, 42);
}

TEST_F(SaveRun, CancelledChooserEndsBeforeAnyCopy) {
    AddPhotos(2);
    const transfer::SaveResult result = Run();
    EXPECT_EQ(result.outcome, transfer::SaveOutcome::Cancelled);
    EXPECT_EQ(result.message, "Exit Select Folder");
    EXPECT_EQ(window_.events, (Events{"wait cursor", "progress 0", "chooser"}));
    EXPECT_EQ(nextNumber_, 1);
    EXPECT_EQ(DestNames(), Names{});
}

TEST_F(SaveRun, AFailedCopyEndsTheRunWhereItIs) {
    AddPhotos(4);
    std::filesystem::remove(photos_.Native("IMG_2.JPG"));
    ChooseDest();
    const transfer::SaveResult result = Run();
    // The photo that has gone has no date either: its stamp stays empty.
    const auto second = std::find(window_.events.begin(), window_.events.end(), "progress 5");
    ASSERT_NE(second, window_.events.end());
    EXPECT_EQ(Events(second, window_.events.end()),
              (Events{"progress 5", "box: Invalid Handle Value"}));
    EXPECT_EQ(result.outcome, transfer::SaveOutcome::Failed);
    EXPECT_EQ(result.message.rfind("Error Source \"" + photos_.PathOf("IMG_2.JPG") + "\"", 0), 0u)
        << result.message;
    EXPECT_EQ(DestNames(), (Names{"230714_Holiday_001.jpg"}));
    EXPECT_EQ(nextNumber_, 3);  // the failed copy's number counts as used

    // Pressed again with the photo back: numbering starts at 1 and skips the taken name.
    WritePhoto("IMG_2.JPG", "2023:07:14");
    EXPECT_EQ(Run().outcome, transfer::SaveOutcome::Saved);
    EXPECT_EQ(DestNames(),
              (Names{"230714_Holiday_001.jpg", "230714_Holiday_002.jpg", "230714_Holiday_003.jpg",
                     "230714_Holiday_004.jpg", "230714_Holiday_005.jpg"}));
}

// The second photo cannot be read to its end: the run ends there, telling of the photo,
// and the unfinished copy and the working folder have gone with it.
TEST_F(SaveRun, AReadFailureEndsTheRunAtOnce) {
    struct SecondPhotoFails : testing_support::FaultyDisk {
        unsigned long Read(platform::File& file, void* buffer, std::size_t count,
                           std::size_t& done) override {
            const std::string& path = file.Path();
            if (path.size() > 9 && path.compare(path.size() - 9, 9, "IMG_2.JPG") == 0) {
                return kFailure;
            }
            return FaultyDisk::Read(file, buffer, count, done);
        }
    } disk;
    disk_ = &disk;
    AddPhotos(3);
    ChooseDest();
    const transfer::SaveResult result = Run();
    EXPECT_EQ(result.outcome, transfer::SaveOutcome::Failed);
    EXPECT_EQ(result.message, platform::FileError(testing_support::FaultyDisk::kFailure,
                                                  photos_.PathOf("IMG_2.JPG"))
                                  .Message());
    EXPECT_EQ(window_.events.back(), "progress 6");
    EXPECT_EQ(DestNames(), (Names{"230714_Holiday_001.jpg"}));
}

// A title that Windows would refuse in a file name, or that would lead the copies out of
// the folder, is refused before the chooser opens: nothing is copied.
class TitleRefused : public SaveRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(TitleRefused, BeforeTheChooser) {
    AddPhotos(2);
    window_.title = GetParam();
    ChooseDest();
    const transfer::SaveResult result = Run();
    EXPECT_EQ(result.outcome, transfer::SaveOutcome::Refused);
    EXPECT_EQ(result.message, "The title must not contain \\ / : * ? \" < > |");
    EXPECT_EQ(window_.events, (Events{"wait cursor", "progress 0"}));
    EXPECT_EQ(DestNames(), Names{});
}

INSTANTIATE_TEST_SUITE_P(Titles, TitleRefused,
                         ::testing::Values("..\\..\\Windows\\x", "a/b", "a:b", "\\",
                                           "Holiday:", "/x", "C:", "Paris? 2024 *best*", "a*b", "?",
                                           "\"x\"", "<a", "a>", "a|b", "tab\there", "line\r\n",
                                           "\x01", "end\x1f"));

TEST(TitleRule, TakesEveryOtherCharacterOfANameAsTyped) {
    for (const char* title : {"..", "Holiday 2023!", "", " ", "a.b", "#%&'()+,;=@[]^`{}~",
                              "M\xFCnchen \xE9t\xE9", "\x7F"}) {
        EXPECT_TRUE(transfer::TitleFitsFileName(title, 1252)) << title;
    }
}

// In Shift-JIS 表 (0x95 0x5C), ソ (0x83 0x5C) and 能 (0x94 0x5C) end in the backslash's
// byte, ポ (0x83 0x7C) and 怖 (0x95 0x7C) in the bar's: a title of them fits, a real
// backslash or bar after them does not.
TEST(TitleRule, ReadsTwoByteCharactersWhole) {
    for (const char* title :
         {"\x95\x5C", "\x83\x5C\x94\x5C", "Tokyo \x95\x5C", "\x83\x7C", "\x95\x7C\x95\x5C"}) {
        EXPECT_TRUE(transfer::TitleFitsFileName(title, 932)) << title;
        EXPECT_FALSE(transfer::TitleFitsFileName(title, 1252)) << title;
    }
    for (const char* title : {"\x95\x5C\\x", "\x83\x5C:", "\x94\x5C/", "\x83\x7C|", "\x95\x5C?"}) {
        EXPECT_FALSE(transfer::TitleFitsFileName(title, 932)) << title;
    }
}

// No folder takes copies with a name of more than 300 characters: the run says so before it
// copies anything.
TEST_F(SaveRun, ATitleTooLongForANameIsHeldWholeAndRefusedBeforeAnyCopy) {
    AddPhotos(1);
    window_.title = std::string(300, 't');
    ChooseDest();
    const transfer::SaveResult result = Run();
    EXPECT_EQ(result.outcome, transfer::SaveOutcome::Refused);
    EXPECT_EQ(result.message, transfer::FolderTooLongText(dest_.Path()));
    EXPECT_EQ(DestNames(), Names{});
}

TEST_F(SaveRun, ADriveRootGetsASecondBackslash) {
    // A drive of its own, that takes any folder and refuses every copy by name.
    struct Drive : platform::Disk {
        Events* events = nullptr;
        unsigned long ListFolder(const std::string& folder,
                                 std::vector<platform::FolderEntry>& entries) override {
            events->push_back("list " + folder);
            entries.clear();
            return 0;
        }
        unsigned long MakeHiddenFolder(const std::string&) override { return 0; }
        unsigned long Open(platform::File& file, const std::string& path,
                           platform::OpenMode mode) override {
            if (mode != platform::OpenMode::CreateNew) return Disk::Open(file, path, mode);
            events->push_back("create " + path);
            return testing_support::FaultyDisk::kFailure;
        }
    } drive;
    drive.events = &window_.events;
    disk_ = &drive;
    AddPhotos(1);
    window_.chosenFolder = "D:\\";
    EXPECT_EQ(Run().folder, "D:\\");
    ASSERT_GE(window_.events.size(), 7u);
    EXPECT_EQ(window_.events[5], "list D:\\");
    EXPECT_EQ(window_.events[6], "create D:\\\\~bv" + transfer::RunName(platform::ProcessId()) +
                                     "\\" + transfer::kRunMarker);
}

struct FolderLengthCase {
    const char* name;
    std::size_t over;  // characters beyond the system's 259 of the longest copy's path
    bool longDate;
    bool takesCopies;
};

void PrintTo(const FolderLengthCase& c, std::ostream* out) {
    *out << c.name;
}

class FolderLength : public SaveRun, public ::testing::WithParamInterface<FolderLengthCase> {};

// The system's file calls take paths of at most 259 characters. The photo has no date-time
// text and was last written in 1999: its stamp "9990601" is as long as a short stamp gets,
// so its copy has the longest name a run without Long Date? can give, and fills the folder's
// room exactly. With Long Date? the folder must leave room for "yymmdd-hhmmss".
TEST_P(FolderLength, IsTakenWhenTheLongestCopyFitsAndNamedBeforeAnyCopyWhenNot) {
    const std::string copy = "9990601_Holiday_001.jpg";
    AddPhoto("IMG_1.JPG", nullptr);
    testing_support::SetLastWriteTimeUtc(photos_.PathOf("IMG_1.JPG"), 1999, 6, 1, 12, 0);
    const std::string folder(259 + GetParam().over - dest_.Path().size() - 1 - copy.size() - 1,
                             'f');
    std::filesystem::create_directory(dest_.Native(folder));
    window_.chosenFolder = dest_.PathOf(folder);
    longDate_ = GetParam().longDate;
    const transfer::SaveResult result = Run();
    if (GetParam().takesCopies) {
        EXPECT_EQ(result.outcome, transfer::SaveOutcome::Saved);
        EXPECT_EQ(dest_.Read(folder + "/" + copy), photos_.Read("IMG_1.JPG"));
        return;
    }
    EXPECT_EQ(result.outcome, transfer::SaveOutcome::Refused);
    EXPECT_EQ(result.message, transfer::FolderTooLongText(dest_.PathOf(folder)));
    EXPECT_EQ(window_.events.back(), "read date");
    EXPECT_TRUE(std::filesystem::is_empty(dest_.Native(folder)));
    EXPECT_EQ(nextNumber_, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderLength,
    ::testing::Values(FolderLengthCase{"LeavingRoomForTheLongestCopy", 0, false, true},
                      FolderLengthCase{"OneCharacterTooLong", 1, false, false},
                      FolderLengthCase{"TooLongForALongStamp", 0, true, false}),
    [](const ::testing::TestParamInfo<FolderLengthCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
