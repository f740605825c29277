// Open Camera: picking photos in the system's open-file dialog, which starts in the
// remembered source folder; a confirmed choice makes the window ready to save.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/outside.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;

constexpr char kDest[] = "D:\\Pictures\\";

std::string SettingsWith(const std::string& source) {
    return "[source]\r\n" + source + "\r\n[dest]\r\n" + kDest + "\r\n";
}

std::string MakeFolder(const BrenvaleRun& run, const std::string& name) {
    const std::string folder = run.PhotoFolder() + "\\" + name;
    MakeFoldersOutside(folder);
    return folder;
}

void ExpectReadyToSaveWithTheTitleSelected(BrenvaleRun& run) {
    WaitFor([&] { return !IsEnabled(run.Control(IDC_OPEN_CAMERA)); }, "Open Camera to be disabled");
    EXPECT_TRUE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(run.FocusedId(), IDC_TITLE);
    EXPECT_EQ(SelectionOf(run.Control(IDC_TITLE)), (Selection{0, 7}));
}

TEST(OpenCamera, DialogStartsInTheSourceFolderWithOneFilterAndTheReadOnlyBox) {
    BrenvaleRun run;
    const std::string folder = MakeFolder(run, "100CANON");
    run.WriteSettings(SettingsWith(folder + "\\"));
    run.Start();
    SetProgressPosition(run.Control(IDC_PROGRESS), 4);
    const HWND dialog = run.OpenCamera();

    EXPECT_EQ(ProgressPositionOf(run.Control(IDC_PROGRESS)), 0);
    EXPECT_EQ(OwnerOf(dialog), run.MainWindow());
    EXPECT_EQ(CurrentFolderOf(dialog), folder);
    EXPECT_EQ(TextOf(WaitForControl(dialog, kLookInList)), "100CANON");
    const HWND types = WaitForControl(dialog, kFileTypeList);
    EXPECT_EQ(TextOf(types), "JPG-Files (*.jpg)");
    EXPECT_EQ(AskWindow(types, CB_GETCOUNT), 1);
    EXPECT_EQ(ClassOf(WaitForControl(dialog, kFileNameField)), "ComboBoxEx32");  // explorer
    EXPECT_TRUE(IsShown(WaitForControl(dialog, kReadOnlyBox)));
    EXPECT_FALSE(IsShown(WaitForControl(dialog, kHelpButton)));

    CancelFileDialog(dialog);
    EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(folder + "\\"));
}

// A card written by another system can hold a photo that Windows opens as a device (a
// serial port here, which would keep the window waiting without end): picked, it is named
// and left out, and the window goes on with the other photos, or as it was.
TEST(OpenCamera, APhotoNamedLikeADeviceIsNamedAndLeftOut) {
    if (!CanWorkOutside()) GTEST_SKIP() << "only another system writes such names";
    BrenvaleRun run;
    const std::string folder = MakeFolder(run, "100CANON");
    WriteFilesOutside(folder, {"COM1.jpg", "IMG_0001.JPG"}, "\xFF\xD8\xFF\xE0");
    const FilesRemovedOutside removed(folder, {"COM1.jpg"});
    run.WriteSettings(SettingsWith(folder + "\\"));
    run.Start();
    const std::string told = "Not copied, as Windows takes its name for a device: \"" + folder +
                             "\\COM1.jpg\". It stays where it is.";

    // Picked alone: nothing is selected, and the folder stays the one to start in.
    PickFiles(run.OpenCamera(), "", "COM1.jpg");
    MessageBoxView box = WaitForMessageBox(run.Process().Id(), run.MainWindow());
    EXPECT_EQ(box.text, told);
    PressOk(box);
    EXPECT_TRUE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    EXPECT_FALSE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(folder + "\\"));

    run.Start();
    PickFiles(run.OpenCamera(), "", QuotedNames({"COM1.jpg", "IMG_0001.JPG"}));
    box = WaitForMessageBox(run.Process().Id(), run.MainWindow());
    EXPECT_EQ(box.text, told);
    PressOk(box);
    ExpectReadyToSaveWithTheTitleSelected(run);
}

TEST(OpenCamera, WithoutARememberedFolderTheDialogStartsInTheCurrentFolder) {
    BrenvaleRun run;
    run.Start();
    const HWND dialog = run.OpenCamera();
    const std::string current = CurrentFolderOf(dialog);
    EXPECT_EQ(current.substr(current.size() - 5), "\\work") << current;
    CancelFileDialog(dialog);
}

TEST(OpenCamera, CancelChangesNothingButTheProgressBar) {
    BrenvaleRun run;
    const std::string folder = MakeFolder(run, "100CANON");
    run.WritePhoto("100CANON\\IMG_0001.JPG");
    run.WriteSettings(SettingsWith(folder + "\\"));
    run.Start();
    SetProgressPosition(run.Control(IDC_PROGRESS), 6);
    MainWindowState expected = StateOf(run.MainWindow());
    expected.progress = 0;

    CancelFileDialog(run.OpenCamera());
    EXPECT_EQ(StateOf(run.MainWindow()), expected);
    EXPECT_FALSE(FindWindowLike(
        {run.Process().Id(), kDialogClass, std::nullopt, run.MainWindow(), "a message box"}));
    EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(folder + "\\"));
}

TEST(OpenCamera, OnePhotoByItsFullPathMakesItsFolderTheSourceFolder) {
    BrenvaleRun run;
    run.WriteSettings(SettingsWith(MakeFolder(run, "old")));
    MakeFolder(run, "DCIM");
    MakeFolder(run, "DCIM\\100CANON");
    const std::string photo = run.WritePhoto("DCIM\\100CANON\\IMG_0001.JPG");
    run.Start();
    PickFiles(run.OpenCamera(), "", photo);
    ExpectReadyToSaveWithTheTitleSelected(run);
    EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(run.PhotoFolder() + "\\DCIM\\100CANON\\"));
}

TEST(OpenCamera, ThreePhotosInAnotherFolderRememberThatFolderWithItsBackslash) {
    BrenvaleRun run;
    run.WriteSettings(SettingsWith(MakeFolder(run, "old") + "\\"));
    const std::string folder = MakeFolder(run, "101CANON");
    for (const char* name : {"IMG_9.JPG", "IMG_10.JPG", "Beach.jpg"}) {
        run.WritePhoto(std::string("101CANON\\") + name);
    }
    run.Start();
    PickFiles(run.OpenCamera(), folder, QuotedNames({"IMG_9.JPG", "Beach.jpg", "IMG_10.JPG"}));
    ExpectReadyToSaveWithTheTitleSelected(run);
    EXPECT_FALSE(FindWindowLike(
        {run.Process().Id(), kDialogClass, std::nullopt, run.MainWindow(), "a message box"}));
    EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(folder + "\\"));
}

// The folder of the first photo in byte order is looked up: here "B.jpg", before "a.jpg"
// and "c.jpg", which another program holds open. The handler stops with the file error;
// the window stays ready to open, and the source folder is the one the dialog gave.
TEST(OpenCamera, FirstPhotoThatCannotBeOpenedIsReportedAndTheWindowStaysReadyToOpen) {
    BrenvaleRun run;
    run.WriteSettings(SettingsWith(MakeFolder(run, "old") + "\\"));
    const std::string folder = MakeFolder(run, "102CANON");
    for (const char* name : {"a.jpg", "B.jpg", "c.jpg"}) {
        run.WritePhoto(std::string("102CANON\\") + name);
    }
    const std::string first = folder + "\\B.jpg";
    OwnedHandle held = HoldOpen(first);
    run.Start();
    PickFiles(run.OpenCamera(), folder, QuotedNames({"c.jpg", "a.jpg", "B.jpg"}));
    const MessageBoxView box = WaitForMessageBox(run.Process().Id(), run.MainWindow());
    held.Close();
    EXPECT_EQ(box.caption, "brenvale");
    EXPECT_NE(box.text.find(first), std::string::npos) << box.text;
    PressOk(box);
    EXPECT_TRUE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    EXPECT_FALSE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(folder));
}

}  // namespace
}  // namespace brenvale
