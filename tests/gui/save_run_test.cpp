// Save On PC on the real program: photos given on the command line, the destination
// remembered in the settings file, the folder chooser answered, and the copies read back.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

class SaveOnPC : public testing::Test {
protected:
    void SetUp() override {
        MakeFolder(dest_);
        run_.WriteSettings(settingsBefore_);
    }

    std::string Photo(const std::string& name, const std::string& dateTime) {
        const std::string path = run_.PhotoFolder() + "\\" + name;
        WriteBytes(path, PhotoBytes(dateTime, name));
        return path;
    }
    // Three photos: two days with date-time texts, one without, last written on 1 June.
    std::vector<std::string> ThreePhotos() {
        std::vector<std::string> photos = {Photo("IMG_0001.JPG", "2023:07:14 10:15:00"),
                                           Photo("IMG_0002.JPG", "2023:07:15 08:00:00"),
                                           Photo("IMG_0003.JPG", "")};
        SetLastWriteDay(photos[2], 2023, 6, 1);
        return photos;
    }
    void Start(const std::vector<std::string>& photos) {
        std::string arguments;
        for (const std::string& photo : photos) arguments += "\"" + photo + "\" ";
        run_.Start(arguments);
        run_.MainWindow();
    }
    void SetTitle(const std::string& title) {
        const HWND edit = run_.Control(IDC_TITLE);
        AskWindow(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
    }
    // Presses Save On PC and waits for the chooser.
    MessageBoxView NextBox() { return WaitForMessageBox(run_.Process().Id(), run_.MainWindow()); }
    // Presses OK in the chooser and returns the first message of the run.
    MessageBoxView ChooseSelected(HWND chooser) {
        Click(WaitForControl(chooser, IDOK));
        return NextBox();
    }
    void ExpectReadyToSave() {
        EXPECT_FALSE(IsEnabled(run_.Control(IDC_OPEN_CAMERA)));
        EXPECT_TRUE(IsEnabled(run_.Control(IDC_SAVE_ON_PC)));
    }
    int Progress() { return ProgressPositionOf(run_.Control(IDC_PROGRESS)); }
    std::string Settings() {
        Click(run_.Control(IDC_EXIT));
        run_.Process().WaitForExit();
        return run_.Settings().value_or("(none)");
    }
    std::string SettingsWithDest(const std::string& folder) const {
        return "[source]\r\n" + run_.PhotoFolder() + "\\\r\n[dest]\r\n" + folder + "\r\n";
    }

    BrenvaleRun run_;
    testing_support::TempDir destRoot_;
    const std::string dest_ = destRoot_.PathOf("Pictures");
    const std::string settingsBefore_ = "[source]\r\n\r\n[dest]\r\n" + dest_ + "\\\r\n";
};

TEST_F(SaveOnPC, AWholeRunCopiesEveryPhotoUnderItsNameAndRemembersTheFolder) {
    const std::vector<std::string> photos = ThreePhotos();
    Start(photos);
    SetTitle("Holiday");
    const HWND chooser = run_.OpenFolderChooser();
    {
        FolderTree tree(chooser, run_.Process().Id());
        const HTREEITEM selected = tree.Selected();
        EXPECT_EQ(tree.TextOf(selected), "Pictures");
        EXPECT_EQ(tree.TextOf(tree.ParentOf(selected)),
                  destRoot_.Path().substr(destRoot_.Path().rfind('\\') + 1));
    }
    const MessageBoxView box = ChooseSelected(chooser);
    EXPECT_EQ(box.text, "Fotos successfully saved");
    EXPECT_EQ(box.caption, "brenvale");
    // Until the box is closed the window still shows the finished run.
    EXPECT_EQ(Progress(), 10);
    ExpectReadyToSave();
    PressOk(box);
    WaitUntilEquals([&] { return IsEnabled(run_.Control(IDC_OPEN_CAMERA)); }, true,
                    "Open Camera to be enabled after the run");
    EXPECT_FALSE(IsEnabled(run_.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(Progress(), 0);

    const Names names = {"230601_Holiday_003.jpg", "230714_Holiday_001.jpg",
                         "230715_Holiday_002.jpg"};
    ASSERT_EQ(FileNamesIn(dest_), names);
    EXPECT_EQ(ReadBytes(dest_ + "\\230714_Holiday_001.jpg"), ReadBytes(photos[0]));
    EXPECT_EQ(ReadBytes(dest_ + "\\230715_Holiday_002.jpg"), ReadBytes(photos[1]));
    EXPECT_EQ(ReadBytes(dest_ + "\\230601_Holiday_003.jpg"), ReadBytes(photos[2]));
    EXPECT_EQ(Settings(), SettingsWithDest(dest_ + "\\"));
}

TEST_F(SaveOnPC, CancelInTheChooserCopiesNothingAndKeepsTheFolder) {
    Start(ThreePhotos());
    const HWND chooser = run_.OpenFolderChooser();
    Click(WaitForControl(chooser, IDCANCEL));
    const MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "Exit Select Folder");
    PressOk(box);
    ExpectReadyToSave();
    EXPECT_EQ(Progress(), 0);
    EXPECT_EQ(FileNamesIn(dest_), Names{});
    EXPECT_EQ(Settings(), SettingsWithDest(dest_ + "\\"));
}

// With no remembered destination, as after "Send to" or a drop on the icon, the chooser
// starts in the user's Pictures folder, not in the program's current folder, where OK
// pressed at once would leave the copies.
TEST_F(SaveOnPC, WithNoRememberedFolderTheChooserStartsInThePicturesFolder) {
    run_.WriteSettings("[source]\r\n\r\n[dest]\r\n\r\n");
    char pictures[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, pictures),
              S_OK);
    const std::string picturesName = std::strrchr(pictures, '\\') + 1;
    const std::string photos = run_.PhotoFolder();
    const std::string current = photos.substr(0, photos.rfind('\\')) + "\\work";
    Start({Photo("IMG_0001.JPG", "2023:07:14 10:15:00")});
    const HWND chooser = run_.OpenFolderChooser();
    {
        FolderTree tree(chooser, run_.Process().Id());
        EXPECT_EQ(tree.TextOf(tree.Selected()), picturesName);
    }
    Click(WaitForControl(chooser, IDCANCEL));
    const MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "Exit Select Folder");
    PressOk(box);
    EXPECT_EQ(FileNamesIn(current), Names{});
    EXPECT_EQ(Settings(), SettingsWithDest(""));
}

// A drive's root comes back from the chooser with its backslash, and the run adds its own:
// the copy's path and the remembered folder hold two in a row, which Windows accepts.
TEST_F(SaveOnPC, ADriveRootIsSavedIntoAndRememberedWithASecondBackslash) {
    run_.WriteSettings("[source]\r\n\r\n[dest]\r\nC:\\\r\n");
    const std::string photo = Photo("IMG_0001.JPG", "2023:07:14 10:15:00");
    Start({photo});
    const std::string title = "root" + std::to_string(GetCurrentProcessId());
    SetTitle(title);
    const HWND chooser = run_.OpenFolderChooser();
    const MessageBoxView box = ChooseSelected(chooser);
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    const std::string copy = "C:\\230714_" + title + "_001.jpg";
    EXPECT_EQ(ReadBytes(copy), ReadBytes(photo));
    DeleteFileA(copy.c_str());
    EXPECT_EQ(Settings(), SettingsWithDest("C:\\\\"));
}

TEST_F(SaveOnPC, APhotoGoneAfterItsSelectionStopsTheRunAndASecondPressSkipsTheTakenNames) {
    std::vector<std::string> photos;
    for (const char* name : {"IMG_1.JPG", "IMG_2.JPG", "IMG_3.JPG", "IMG_4.JPG"}) {
        photos.push_back(Photo(name, "2023:07:14 10:15:00"));
    }
    Start(photos);
    const std::string second = ReadBytes(photos[1]);
    ASSERT_TRUE(DeleteFileA(photos[1].c_str()));
    // The copies go to a new folder below the remembered one.
    MakeFolder(dest_ + "\\Trip");
    HWND chooser = run_.OpenFolderChooser();
    {
        FolderTree tree(chooser, run_.Process().Id());
        tree.Select(tree.ChildNamed(tree.Selected(), "Trip"));
    }
    // A photo that has gone has no date either: the date's own messages come first.
    MessageBoxView box = ChooseSelected(chooser);
    EXPECT_EQ(box.text, "Invalid Handle Value");
    PressOk(box);
    box = NextBox();
    EXPECT_EQ(box.text.rfind("Error Source ", 0), 0u) << box.text;
    EXPECT_NE(box.text.find(photos[1]), std::string::npos) << box.text;
    PressOk(box);
    EXPECT_EQ(Progress(), 5);
    ExpectReadyToSave();
    EXPECT_EQ(FileNamesIn(dest_ + "\\Trip"), Names{"230714_picture_001.jpg"});
    EXPECT_EQ(ReadBytes(dest_ + "\\Trip\\230714_picture_001.jpg"), ReadBytes(photos[0]));

    // The failed run remembered nothing: the chooser opens at the old folder again.
    WriteBytes(photos[1], second);
    chooser = run_.OpenFolderChooser();
    {
        FolderTree tree(chooser, run_.Process().Id());
        EXPECT_EQ(tree.TextOf(tree.Selected()), "Pictures");
        tree.Select(tree.ChildNamed(tree.Selected(), "Trip"));
    }
    box = ChooseSelected(chooser);
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    EXPECT_EQ(FileNamesIn(dest_ + "\\Trip"),
              (Names{"230714_picture_001.jpg", "230714_picture_002.jpg", "230714_picture_003.jpg",
                     "230714_picture_004.jpg", "230714_picture_005.jpg"}));
    EXPECT_EQ(ReadBytes(dest_ + "\\Trip\\230714_picture_003.jpg"), second);
    EXPECT_EQ(Settings(), SettingsWithDest(dest_ + "\\Trip\\"));
}

TEST_F(SaveOnPC, APhotoHeldOpenByAnotherProgramCannotBeRead) {
    const std::vector<std::string> photos = ThreePhotos();
    Start(photos);
    // A typed date: the date search would meet the held photo first.
    const std::string date = "2023-07-14";
    AskWindow(run_.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));
    OwnedHandle held = HoldOpen(photos[0]);
    const MessageBoxView box = ChooseSelected(run_.OpenFolderChooser());
    held.Close();
    EXPECT_EQ(box.text.rfind("Error Source ", 0), 0u) << box.text;
    EXPECT_NE(box.text.find(photos[0]), std::string::npos) << box.text;
    PressOk(box);
    ExpectReadyToSave();
    EXPECT_EQ(FileNamesIn(dest_), Names{});
}

TEST_F(SaveOnPC, A999thNameTakenEndsTheRunWithoutOverwriting) {
    const std::vector<std::string> photos = ThreePhotos();
    for (int number = 1; number <= 999; ++number) {
        char name[64];
        std::snprintf(name, sizeof name, "\\230714_picture_%03d.jpg", number);
        WriteBytes(dest_ + name, "older copy");
    }
    Start(photos);
    const MessageBoxView box = ChooseSelected(run_.OpenFolderChooser());
    EXPECT_EQ(box.text, "Number of files with same title limited by 999");
    PressOk(box);
    ExpectReadyToSave();
    const Names names = FileNamesIn(dest_);
    EXPECT_EQ(names.size(), 999u);
    for (const char* name : {"\\230714_picture_001.jpg", "\\230714_picture_999.jpg"}) {
        EXPECT_EQ(ReadBytes(dest_ + name), "older copy");
    }
}

// A title that leads out of the folder, or that Windows refuses in a file name, is refused
// before the chooser opens: nothing is copied, and the window stays ready to save.
class RefusedTitle : public SaveOnPC, public testing::WithParamInterface<const char*> {};

TEST_P(RefusedTitle, IsRefusedBeforeTheChooserAndNothingIsWritten) {
    Start(ThreePhotos());
    SetTitle(GetParam());
    Click(run_.Control(IDC_SAVE_ON_PC));
    const MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "The title must not contain \\ / : * ? \" < > |");
    PressOk(box);
    EXPECT_EQ(FindWindowLike({run_.Process().Id(), kDialogClass, std::string(kFolderChooserCaption),
                              nullptr, "the folder chooser"}),
              nullptr);
    ExpectReadyToSave();
    EXPECT_EQ(Progress(), 0);
    EXPECT_EQ(FileNamesIn(dest_), Names{});
    EXPECT_EQ(FileNamesIn(destRoot_.Path()), Names{});
    EXPECT_EQ(FileNamesIn(run_.PhotoFolder()),
              (Names{"IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.JPG"}));
    EXPECT_EQ(Settings(), SettingsWithDest(dest_ + "\\"));
}

std::string RefusedTitleName(const testing::TestParamInfo<const char*>& info) {
    static const char* const kNames[] = {"Backslash", "Slash", "Colon", "QuestionMarkAndStar",
                                         "QuotesAnglesAndBar"};
    return kNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(Titles, RefusedTitle,
                         testing::Values("..\\x", "a/b", "a:b", "Paris? 2024 *best*",
                                         "\"Best\" <of> 2024 | Paris"),
                         RefusedTitleName);

}  // namespace
}  // namespace brenvale
