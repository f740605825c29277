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
#include "platform/file.h"
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
    RecordingWindow(const TempDir& photos, const TempDir& dest) : photos_(photos), dest_(dest) {}

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
    void SetNormalCursor() override { events.push_back("normal cursor"); }
    void SetProgress(int position) override {
        events.push_back("progress " + std::to_string(position));
    }
    bool ChooseFolder(const std::string& start, char* folder, unsigned size) override {
        events.push_back("chooser at " + start + " size " + std::to_string(size));
        if (!chosenFolder) return false;
        chosenFolder->copy(folder, size - 1);
        folder[std::min<std::size_t>(chosenFolder->size(), size - 1)] = '\0';
        return true;
    }
    void SetReadyToOpen() override { events.push_back("ready to open"); }
    void RememberDestination(const std::string& folder) override {
        events.push_back("remember " + Short(folder));
    }

    void Show(const std::string& text) override {
        events.push_back("box: " + Short(text));
        if (text == "Fotos successfully saved") {
            for (const std::string& name : dest_.FileNames()) {
                if (name.find('~') != std::string::npos) events.push_back(name + " is still there");
            }
        }
    }
    void ShowSystemError(const std::string& text) override { Show("error " + text); }

private:
    // Paths in the scratch folders, shortened to read well in failure messages.
    std::string Short(std::string path) const {
        for (const auto& [dir, name] : {std::pair{&photos_, "<photos>"}, {&dest_, "<dest>"}}) {
            for (std::size_t at; (at = path.find(dir->Path())) != std::string::npos;) {
                path.replace(at, dir->Path().size(), name);
            }
        }
        return path;
    }

    const TempDir& photos_;
    const TempDir& dest_;
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
    void Run() {
        RunSave(window_,
                {list_, kDefaultDate, longDate_, destFolder_, nextNumber_, window_, *disk_});
    }
    Names DestNames() const { return dest_.FileNames(); }

    TempDir photos_;
    TempDir dest_;
    CPhotoList list_;
    bool longDate_ = false;
    std::string destFolder_ = "D:\\Pictures\\";
    int nextNumber_ = 42;
    RecordingWindow window_{photos_, dest_};
    testing_support::FaultyDisk faultyDisk_;
    platform::Disk* disk_ = &faultyDisk_;
};

// Each copy is on the disk before it gets its name, and before the next photo is begun.
// The success message comes once the folder's names are on the disk too, and the run's
// folder of unfinished copies has gone.
TEST_F(SaveRun, ACompleteRunInOrder) {
    AddPhoto("a.jpg", "2023:07:14");
    AddPhoto("b.jpg", nullptr);
    testing_support::SetLastWriteTimeUtc(photos_.PathOf("b.jpg"), 2023, 6, 1, 12, 0);
    faultyDisk_.events = &window_.events;
    faultyDisk_.watched = dest_.Path();
    ChooseDest();
    Run();
    EXPECT_EQ(window_.events,
              (Events{"wait cursor", "progress 0", "chooser at D:\\Pictures\\ size 778",
                      "read date", "progress 5", "flush 1", "rename 230714_Holiday_001.jpg",
                      "progress 10", "flush 2", "rename 230601_Holiday_002.jpg", "flush the folder",
                      "normal cursor", "box: Fotos successfully saved", "progress 0",
                      "ready to open", "remember <dest>\\"}));
    EXPECT_EQ(dest_.Read("230714_Holiday_001.jpg"), photos_.Read("a.jpg"));
    EXPECT_EQ(dest_.Read("230601_Holiday_002.jpg"), photos_.Read("b.jpg"));
    EXPECT_EQ(nextNumber_, 3);
}

struct ProgressCase {
    int photos;
    std::vector<int> positions;  // before each copy
};

class Progress : public SaveRun, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(Progress, IsSetBeforeEachCopyAndBackToZeroAtTheEnd) {
    AddPhotos(GetParam().photos);
    ChooseDest();
    Run();
    Events expected{"progress 0"};
    for (int position : GetParam().positions)
        expected.push_back("progress " + std::to_string(position));
    expected.push_back("progress 0");
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
    Run();
    EXPECT_EQ(DestNames(), GetParam().copies);
    EXPECT_EQ(window_.events.back(), "remember <dest>\\");
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
    Run();
    EXPECT_EQ(window_.events, Events{});
    EXPECT_EQ(nextNumber_, 42);
}

TEST_F(SaveRun, CancelledChooserEndsBeforeAnyCopy) {
    AddPhotos(2);
    Run();
    EXPECT_EQ(window_.events,
              (Events{"wait cursor", "progress 0", "chooser at D:\\Pictures\\ size 778",
                      "box: Exit Select Folder"}));
    EXPECT_EQ(nextNumber_, 1);
    EXPECT_EQ(DestNames(), Names{});
}

TEST_F(SaveRun, AFailedCopyEndsTheRunWhereItIs) {
    AddPhotos(4);
    std::filesystem::remove(photos_.Native("IMG_2.JPG"));
    ChooseDest();
    Run();
    // The photo that has gone has no date either: its stamp stays empty.
    const auto second = std::find(window_.events.begin(), window_.events.end(), "progress 5");
    ASSERT_NE(second, window_.events.end());
    Events tail(second, window_.events.end());
    ASSERT_EQ(tail.size(), 3u);
    EXPECT_EQ(tail.back().rfind("box: Error Source \"<photos>\\IMG_2.JPG\"", 0), 0u) << tail.back();
    tail.back() = "box: Error Source";
    EXPECT_EQ(tail, (Events{"progress 5", "box: Invalid Handle Value", "box: Error Source"}));
    EXPECT_EQ(DestNames(), (Names{"230714_Holiday_001.jpg"}));
    EXPECT_EQ(nextNumber_, 3);  // the failed copy's number counts as used

    // Pressed again with the photo back: numbering starts at 1 and skips the taken name.
    WritePhoto("IMG_2.JPG", "2023:07:14");
    window_.events.clear();
    Run();
    EXPECT_EQ(DestNames(),
              (Names{"230714_Holiday_001.jpg", "230714_Holiday_002.jpg", "230714_Holiday_003.jpg",
                     "230714_Holiday_004.jpg", "230714_Holiday_005.jpg"}));
    EXPECT_EQ(window_.events.back(), "remember <dest>\\");
}

// The second photo cannot be read to its end: the error leaves the run for the window's
// failure report, the unfinished copy and the working folder have gone with it.
TEST_F(SaveRun, AFileErrorLeavesTheRunAtOnce) {
    struct SecondPhotoFails : testing_support::FaultyDisk {
        std::size_t Read(platform::File& file, void* buffer, std::size_t count) override {
            const std::string& path = file.GetFilePath();
            if (path.size() > 9 && path.compare(path.size() - 9, 9, "IMG_2.JPG") == 0) {
                throw platform::FileError(kFailure, path);
            }
            return FaultyDisk::Read(file, buffer, count);
        }
    } disk;
    disk_ = &disk;
    AddPhotos(3);
    ChooseDest();
    EXPECT_THROW(Run(), platform::FileError);
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
    Run();
    EXPECT_EQ(window_.events, (Events{"wait cursor", "progress 0",
                                      "box: The title must not contain \\ / : * ? \" < > |"}));
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
    Run();
    EXPECT_EQ(window_.events.back(), "box: " + transfer::FolderTooLongText("<dest>"));
    EXPECT_EQ(DestNames(), Names{});
}

TEST_F(SaveRun, ADriveRootGetsASecondBackslash) {
    // A drive of its own, that takes any folder and refuses every copy by name.
    struct Drive : platform::Disk {
        Events* events = nullptr;
        bool ListFolder(const std::string& folder, std::vector<platform::FolderEntry>& entries,
                        platform::FileError*) override {
            events->push_back("list " + folder);
            entries.clear();
            return true;
        }
        bool MakeHiddenFolder(const std::string&, platform::FileError*) override { return true; }
        bool Open(platform::File& file, const std::string& path, platform::OpenMode mode,
                  platform::FileError* error) override {
            if (mode != platform::OpenMode::CreateNew) return Disk::Open(file, path, mode, error);
            events->push_back("create " + path);
            *error = platform::FileError(testing_support::FaultyDisk::kFailure, path);
            return false;
        }
    } drive;
    drive.events = &window_.events;
    disk_ = &drive;
    AddPhotos(1);
    window_.chosenFolder = "D:\\";
    Run();
    ASSERT_GE(window_.events.size(), 7u);
    EXPECT_EQ(window_.events[5], "list D:\\");
    EXPECT_EQ(window_.events[6],
              "create D:\\\\~bv" + transfer::RunName(platform::ProcessId()) + "\\1");
}

// In UTF-8, as the program works, a Cyrillic letter is two bytes and one character: the
// system counts characters.
TEST(CopyFitsIn, CountsCharactersNotBytes) {
    std::string cyrillic;
    for (int i = 0; i < 236; ++i) cyrillic += "\xD0\xA4";
    const std::string copy = "230714_Holiday_001.jpg";
    EXPECT_TRUE(transfer::CopyFitsIn(cyrillic, copy, 65001));
    EXPECT_FALSE(transfer::CopyFitsIn(cyrillic + "\xD0\xA4", copy, 65001));
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
    Run();
    if (GetParam().takesCopies) {
        EXPECT_EQ(window_.events.back(), "remember <dest>\\" + folder + "\\");
        EXPECT_EQ(dest_.Read(folder + "/" + copy), photos_.Read("IMG_1.JPG"));
        return;
    }
    const std::string box = window_.events.back();
    EXPECT_EQ(box.rfind("box: ", 0), 0u) << box;
    EXPECT_NE(box.find(" <dest>\\" + folder + " "), std::string::npos) << box;
    EXPECT_NE(box.find("too long"), std::string::npos) << box;
    EXPECT_EQ(window_.events[window_.events.size() - 2], "read date");
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
