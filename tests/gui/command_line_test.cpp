// Photos named on the command line, as when they are dropped onto Brenvale's icon: the
// window opens ready to save them, and the folder of the first becomes the source folder.
#include <gtest/gtest.h>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/outside.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;

const char kRememberedFolders[] = "[source]\r\nE:\\DCIM\\\r\n[dest]\r\nD:\\Pictures\\\r\n";

std::string MakeFolder(const BrenvaleRun& run, const std::string& name) {
    const std::string folder = run.PhotoFolder() + "\\" + name;
    MakeFoldersOutside(folder);
    return folder;
}

void ExpectReadyToSave(BrenvaleRun& run) {
    EXPECT_FALSE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    EXPECT_TRUE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
}

void ExitAndWait(BrenvaleRun& run) {
    Click(run.Control(IDC_EXIT));
    run.Process().WaitForExit();
}

TEST(CommandLine, PhotosFromTwoFoldersRememberTheFolderOfTheFirstInByteOrder) {
    BrenvaleRun run;
    run.WriteSettings(kRememberedFolders);
    MakeFolder(run, "b");
    MakeFolder(run, "My Photos");
    const std::string second = run.WritePhoto("b\\IMG_0001.JPG");
    // "M" sorts before "b": the quoted photo is the first, whatever the order given.
    const std::string first = run.WritePhoto("My Photos\\IMG_0002.JPG");
    run.Start(second + "  \"" + first + "\"  ");
    ExpectReadyToSave(run);
    EXPECT_EQ(run.FocusedId(), IDC_TITLE);
    EXPECT_EQ(SelectionOf(run.Control(IDC_TITLE)), (Selection{0, 7}));
    TypeText(run.Control(IDC_TITLE), "Holiday");
    WaitUntilEquals([&] { return TextOf(run.Control(IDC_TITLE)); }, std::string("Holiday"),
                    "the typed title to replace \"picture\"");
    ExitAndWait(run);
    EXPECT_EQ(run.Settings(),
              "[source]\r\n" + run.PhotoFolder() + "\\My Photos\\\r\n[dest]\r\nD:\\Pictures\\\r\n");
}

TEST(CommandLine, LoneQuoteOpensReadyToSaveAndKeepsTheSourceFolder) {
    BrenvaleRun run;
    run.WriteSettings(kRememberedFolders);
    run.Start("\"");
    ExpectReadyToSave(run);
    ExitAndWait(run);
    EXPECT_EQ(run.Settings(), kRememberedFolders);
}

TEST(CommandLine, EmptyQuotesComeFirstAndCannotBeOpened) {
    BrenvaleRun run;
    run.WriteSettings(kRememberedFolders);
    run.Start(run.WritePhoto("IMG_0001.JPG") + " \"\"");
    const MessageBoxView box = WaitForMessageBox(run.Process().Id(), nullptr);
    EXPECT_EQ(box.caption, "brenvale");
    PressOk(box);
    EXPECT_TRUE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    EXPECT_TRUE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    ExitAndWait(run);
    EXPECT_EQ(run.Settings(), kRememberedFolders);
}

TEST(CommandLine, PhotoHeldOpenByAnotherProgramIsReportedAndTheWindowStillWorks) {
    BrenvaleRun run;
    const std::string photo = run.WritePhoto("IMG_0001.JPG");
    OwnedHandle held = HoldOpen(photo);
    run.Start(photo);
    const MessageBoxView box = WaitForMessageBox(run.Process().Id(), nullptr);
    held.Close();
    EXPECT_NE(box.text.find(photo), std::string::npos) << box.text;
    PressOk(box);
    // The window goes on as usual, and Exit still saves the settings.
    ExitAndWait(run);
    EXPECT_EQ(run.Settings(), "[source]\r\n\r\n[dest]\r\n\r\n");
}

TEST(CommandLine, PathLongerThanTheClassicLimitIsKeptWhole) {
    BrenvaleRun run;
    run.WriteSettings(kRememberedFolders);
    const std::string longName(200, 'f');
    MakeFolder(run, longName);
    const std::string photo = run.WritePhoto(longName + "\\" + std::string(60, 'p') + ".JPG");
    ASSERT_GT(photo.size(), 259u);
    run.Start("\"" + photo + "\"");
    // The system's ANSI file functions refuse such a path; the message names it whole.
    const MessageBoxView box = WaitForMessageBox(run.Process().Id(), nullptr);
    EXPECT_NE(box.text.find("\"" + photo + "\""), std::string::npos) << box.text;
    PressOk(box);
    EXPECT_TRUE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    ExitAndWait(run);
    EXPECT_EQ(run.Settings(), kRememberedFolders);
}

}  // namespace
}  // namespace brenvale
