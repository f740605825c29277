#include "transfer/save_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "file_time.h"
#include "photo_corpus.h"
#include "photos/photo_list.h"
#include "platform/file.h"
#include "test_support.h"
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
// order. Dates and copies go to the real date stamp and numbered copy, on real files.
class RecordingWindow : public transfer::SaveRunWindow, public framework::MessagePort {
public:
    RecordingWindow(const TempDir& photos, const TempDir& dest, int& nextNumber)
        : photos_(photos), dest_(dest), nextNumber_(nextNumber) {}

    std::string title = "Holiday";
    std::string date = kDefaultDate;
    std::optional<std::string> chosenFolder;  // nothing: the user cancels the chooser
    std::set<std::string> unreadableFileDates;
    std::string throwingPhoto;  // a photo whose copy raises a file error
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
    void ShowMessage(const std::string& text) override { events.push_back("box: " + text); }
    bool ChooseFolder(const std::string& start, char* folder, unsigned size) override {
        events.push_back("chooser at " + start + " size " + std::to_string(size));
        if (!chosenFolder) return false;
        chosenFolder->copy(folder, size - 1);
        folder[std::min<std::size_t>(chosenFolder->size(), size - 1)] = '\0';
        return true;
    }
    bool FindEmbeddedDate(const std::string& photo, char* stamp, bool longDate) override {
        events.push_back("embedded date " + Short(photo) + (longDate ? " long" : ""));
        return transfer::FindEmbeddedDate(photo, stamp, longDate);
    }
    bool GetFileDateStamp(const std::string& photo, char* stamp) override {
        events.push_back("file date " + Short(photo));
        if (unreadableFileDates.count(Short(photo)) != 0) {
            stamp[0] = '\0';
            ShowMessage("Error GetFileTime");
            return false;
        }
        return transfer::GetFileDateStamp(*this, photo, stamp);
    }
    bool CopyWithNumber(const std::string& photo, const std::string& base) override {
        events.push_back("copy " + Short(photo) + " to " + Short(base));
        if (Short(photo) == throwingPhoto) throw platform::FileError(112, photo);
        return transfer::CopyWithNumber(*this, nextNumber_, photo, base);
    }
    void SetReadyToOpen() override { events.push_back("ready to open"); }
    void RememberDestination(const std::string& folder) override {
        events.push_back("remember " + Short(folder));
    }

    void Show(const std::string& text) override { ShowMessage(text); }
    void ShowSystemError(const std::string& text) override { ShowMessage("error " + text); }

private:
    // Paths in the scratch folders, shortened to read well in failure messages.
    std::string Short(std::string path) const {
        for (const auto& [dir, name] : {std::pair{&photos_, "<photos>"}, {&dest_, "<dest>"}}) {
            if (path.compare(0, dir->Path().size(), dir->Path()) == 0) {
                path.replace(0, dir->Path().size(), name);
            }
        }
        return path;
    }

    const TempDir& photos_;
    const TempDir& dest_;
    int& nextNumber_;
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
    void Run() { RunSave(window_, {list_, kDefaultDate, longDate_, destFolder_, nextNumber_}); }
    Names DestNames() const { return dest_.FileNames(); }

    TempDir photos_;
    TempDir dest_;
    CPhotoList list_;
    bool longDate_ = false;
    std::string destFolder_ = "D:\\Pictures\\";
    int nextNumber_ = 42;
    RecordingWindow window_{photos_, dest_, nextNumber_};
};

TEST_F(SaveRun, ACompleteRunInOrder) {
    AddPhoto("a.jpg", "2023:07:14");
    AddPhoto("b.jpg", nullptr);
    testing_support::SetLastWriteTimeUtc(photos_.PathOf("b.jpg"), 2023, 6, 1, 12, 0);
    ChooseDest();
    Run();
    EXPECT_EQ(window_.events,
              (Events{"wait cursor", "progress 0", "chooser at D:\\Pictures\\ size 518",
                      "read date", "progress 5", "embedded date <photos>\\a.jpg",
                      "copy <photos>\\a.jpg to <dest>\\230714_Holiday", "progress 10",
                      "embedded date <photos>\\b.jpg", "file date <photos>\\b.jpg",
                      "copy <photos>\\b.jpg to <dest>\\230601_Holiday", "normal cursor",
                      "box: Fotos successfully saved", "progress 0", "ready to open",
                      "remember <dest>\\"}));
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

TEST_F(SaveRun, TheTypedDateIsReadOnceAndNoPhotoDateIsSought) {
    AddPhotos(3);
    window_.date = "14.07.2023";
    ChooseDest();
    Run();
    int reads = 0;
    for (const std::string& event : window_.events) {
        reads += event == "read date";
        EXPECT_EQ(event.find("date <"), std::string::npos) << event;
    }
    EXPECT_EQ(reads, 1);
}

TEST_F(SaveRun, AnUnreadableFileDateGivesAnEmptyDatePart) {
    AddPhoto("a.jpg", nullptr);
    window_.unreadableFileDates = {"<photos>\\a.jpg"};
    ChooseDest();
    Run();
    EXPECT_EQ(DestNames(), (Names{"_Holiday_001.jpg"}));
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
              (Events{"wait cursor", "progress 0", "chooser at D:\\Pictures\\ size 518",
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
    ASSERT_EQ(tail.size(), 6u);
    EXPECT_EQ(tail.back().rfind("box: Error Source ", 0), 0u) << tail.back();
    tail.back() = "box: Error Source";
    EXPECT_EQ(tail, (Events{"progress 5", "embedded date <photos>\\IMG_2.JPG",
                            "file date <photos>\\IMG_2.JPG", "box: Invalid Handle Value",
                            "copy <photos>\\IMG_2.JPG to <dest>\\_Holiday", "box: Error Source"}));
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

TEST_F(SaveRun, AFileErrorLeavesTheRunAtOnce) {
    AddPhotos(3);
    window_.throwingPhoto = "<photos>\\IMG_2.JPG";
    ChooseDest();
    EXPECT_THROW(Run(), platform::FileError);
    EXPECT_EQ(window_.events.back(), "copy <photos>\\IMG_2.JPG to <dest>\\230714_Holiday");
    EXPECT_EQ(DestNames(), (Names{"230714_Holiday_001.jpg"}));
}

class TitleLeavingTheFolder : public SaveRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(TitleLeavingTheFolder, IsRefusedBeforeTheChooser) {
    AddPhotos(2);
    window_.title = GetParam();
    ChooseDest();
    Run();
    EXPECT_EQ(window_.events,
              (Events{"wait cursor", "progress 0", "box: The title must not contain \\ / or :"}));
    EXPECT_EQ(DestNames(), Names{});
}

INSTANTIATE_TEST_SUITE_P(Titles, TitleLeavingTheFolder,
                         ::testing::Values("..\\..\\Windows\\x", "a/b", "a:b", "\\",
                                           "Holiday:", "/x", "C:"));

TEST(TitleRule, OtherCharactersOfNamesStayTheCopysBusiness) {
    for (const char* title : {"a*b", "a?b", "\"x\"", "<a>", "a|b", "..", "Holiday 2023!", ""}) {
        EXPECT_TRUE(transfer::TitleStaysInFolder(title)) << title;
    }
}

// In Shift-JIS 表 (0x95 0x5C), ソ (0x83 0x5C) and 能 (0x94 0x5C) end in the backslash's
// byte: a title of them stays in the folder, a real backslash after them does not.
TEST(TitleRule, ReadsTwoByteCharactersWhole) {
    for (const char* title : {"\x95\x5C", "\x83\x5C\x94\x5C", "Tokyo \x95\x5C"}) {
        EXPECT_TRUE(transfer::TitleStaysInFolder(title, 932)) << title;
        EXPECT_FALSE(transfer::TitleStaysInFolder(title, 1252)) << title;
    }
    for (const char* title : {"\x95\x5C\\x", "\x83\x5C:", "\x94\x5C/"}) {
        EXPECT_FALSE(transfer::TitleStaysInFolder(title, 932)) << title;
    }
}

TEST_F(SaveRun, ATitleTooLongForANameIsHeldWholeAndRefusedByTheSystem) {
    AddPhotos(1);
    window_.title = std::string(300, 't');
    ChooseDest();
    Run();
    ASSERT_GE(window_.events.size(), 2u);
    EXPECT_EQ(window_.events[window_.events.size() - 2],
              "copy <photos>\\IMG_1.JPG to <dest>\\230714_" + std::string(300, 't'));
    EXPECT_EQ(window_.events.back().rfind("box: Error Destination ", 0), 0u);
    EXPECT_EQ(DestNames(), Names{});
}

TEST_F(SaveRun, ADriveRootGetsASecondBackslash) {
    AddPhotos(1);
    window_.chosenFolder = "D:\\";
    Run();
    EXPECT_NE(std::find(window_.events.begin(), window_.events.end(),
                        "copy <photos>\\IMG_1.JPG to D:\\\\230714_Holiday"),
              window_.events.end());
}

}  // namespace
