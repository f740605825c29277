// Which folder the chooser opens at when the remembered one has gone or cannot be, and
// which folders it lets the user choose: a deep one named in another script is taken
// whole, one whose path leaves no room for the copies' names is refused by name.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/outside.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

std::string SelectedFolder(HWND chooser, DWORD processId) {
    return FolderTree(chooser, processId).SelectedWithParent();
}

std::string LastName(const std::string& path) {
    return path.substr(path.rfind('\\') + 1);
}

class ChooserFolders : public testing::Test {
protected:
    void Start(const std::string& rememberedDest) {
        run_.WriteSettings(SettingsWith(rememberedDest));
        WriteBytes(photo_, PhotoBytes("2023:07:14 10:15:00", ""));
        run_.Start("\"" + photo_ + "\"");
        run_.MainWindow();
    }
    std::string SettingsWith(const std::string& dest) const {
        return "[source]\r\n" + run_.PhotoFolder() + "\\\r\n[dest]\r\n" + dest + "\r\n";
    }
    // OK as the user finds it: the chooser may decide on it after the program has.
    HWND EnabledOk(HWND chooser) {
        const HWND ok = WaitForControl(chooser, IDOK);
        WaitUntilEquals([&] { return IsEnabled(ok); }, true, "OK to be enabled");
        return ok;
    }
    MessageBoxView Box() { return WaitForMessageBox(run_.Process().Id(), run_.MainWindow()); }
    std::string Root() const { return LastName(root_.Path()); }

    BrenvaleRun run_;
    testing_support::TempDir root_;
    const std::string pictures_ = root_.PathOf("Pictures");
    const std::string photo_ = run_.PhotoFolder() + "\\IMG_0001.JPG";
};

struct GoneCase {
    const char* name;
    std::string belowPictures;         // the remembered folder below "Pictures", with its backslash
    std::vector<std::string> removed;  // folders below "Pictures" removed since, deepest first
};

void PrintTo(const GoneCase& c, std::ostream* out) {
    *out << c.name;
}

class RememberedFolderGone : public ChooserFolders, public testing::WithParamInterface<GoneCase> {};

// The remembered folder was deleted in a file manager since the last save, or is named like a
// device and can never be opened: the chooser opens at the nearest folder above it, with OK
// saving there, not on the Desktop.
TEST_P(RememberedFolderGone, OpensTheChooserAtItsParent) {
    const GoneCase& c = GetParam();
    MakeFolder(pictures_);
    for (const std::string& folder : c.removed) MakeFolder(pictures_ + "\\" + folder);
    for (const std::string& folder : c.removed) RemoveFolderOutside(pictures_ + "\\" + folder);
    Start(pictures_ + "\\" + c.belowPictures);

    const HWND chooser = run_.OpenFolderChooser();
    EXPECT_EQ(SelectedFolder(chooser, run_.Process().Id()), Root() + "\\Pictures");
    Click(EnabledOk(chooser));
    const MessageBoxView box = Box();
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    EXPECT_EQ(FileNamesIn(pictures_), Names{"230714_picture_001.jpg"});
}

// The remembered folder in other letters than the disk's (renamed from "Trip" to "trip" since,
// or the settings file written by hand): it is the same folder, and the chooser opens at it.
TEST_F(ChooserFolders, ARememberedFolderInOtherLetterCaseOpensTheChooserAtIt) {
    MakeFolder(pictures_ + "\\Trip");
    Start(root_.PathOf("PICTURES\\trip\\"));

    const HWND chooser = run_.OpenFolderChooser();
    EXPECT_EQ(SelectedFolder(chooser, run_.Process().Id()), "Pictures\\Trip");
    Click(EnabledOk(chooser));
    const MessageBoxView box = Box();
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    EXPECT_EQ(FileNamesIn(pictures_ + "\\Trip"), Names{"230714_picture_001.jpg"});
}

INSTANTIATE_TEST_SUITE_P(Folders, RememberedFolderGone,
                         testing::Values(GoneCase{"DeletedSince", "Trip\\", {"Trip"}},
                                         GoneCase{"NamedLikeADevice", "NUL\\", {}}),

                         [](const testing::TestParamInfo<GoneCase>& info) {
                             return std::string(info.param.name);
                         });

// A remembered folder with no folder above it to open at, a device's name alone: the
// chooser opens at the user's Pictures folder, not in the program's folder.
TEST_F(ChooserFolders, RememberedDeviceNameOpensTheChooserAtThePicturesFolder) {
    char pictures[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, pictures),
              S_OK);
    Start("COM1\\");
    const HWND chooser = run_.OpenFolderChooser();
    EXPECT_EQ(LastName(SelectedFolder(chooser, run_.Process().Id())), LastName(pictures));
    Click(WaitForControl(chooser, IDCANCEL));
    const MessageBoxView box = Box();
    EXPECT_EQ(box.text, "Exit Select Folder");
    PressOk(box);
}

// 150 Cyrillic letters below the scratch folder, in three folders of 50: far more than 260
// bytes in UTF-8, well within the 259 characters a path may have.
TEST_F(ChooserFolders, ADeepFolderNamedInCyrillicIsChosenWholeAndTakesTheCopies) {
    const std::string dest =
        root_.Path() + "\\" + Cyrillic(50) + "\\" + Cyrillic(50) + "\\" + Cyrillic(50);
    ASSERT_GT(dest.size(), 300u);
    MakeFolder(dest);
    Start(dest + "\\");
    const HWND chooser = run_.OpenFolderChooser();
    {
        const FolderTree tree(chooser, run_.Process().Id());
        EXPECT_EQ(tree.TextOf(tree.Selected()), LastName(dest));
    }
    Click(EnabledOk(chooser));
    const MessageBoxView box = Box();
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    EXPECT_EQ(FileNamesIn(dest), Names{"230714_picture_001.jpg"});
    EXPECT_EQ(ReadBytes(dest + "\\230714_picture_001.jpg"), ReadBytes(photo_));
    EXPECT_EQ(run_.ExitAndReadSettings(), SettingsWith(dest + "\\"));
}

// A folder of 240 characters: the copy "230714_picture_001.jpg" would have a path of 263,
// which Windows refuses. The folder is named, nothing is written, and the user can choose
// another.
TEST_F(ChooserFolders, AFolderTooLongForTheCopiesIsRefusedByNameBeforeAnyCopy) {
    std::string dest = root_.Path();
    while (240 - dest.size() > 81) dest += "\\" + std::string(79, 'd');
    dest += "\\" + std::string(239 - dest.size(), 'd');
    ASSERT_EQ(dest.size(), 240u);
    MakeFolder(dest);
    Start(dest + "\\");
    const HWND chooser = run_.OpenFolderChooser();
    Click(EnabledOk(chooser));
    const MessageBoxView box = Box();
    EXPECT_NE(box.text.find(dest + " "), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("too long"), std::string::npos) << box.text;
    PressOk(box);
    EXPECT_EQ(EntryNamesIn(dest), Names{});
    EXPECT_TRUE(IsEnabled(run_.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(ProgressPositionOf(run_.Control(IDC_PROGRESS)), 0);
    EXPECT_EQ(run_.ExitAndReadSettings(), SettingsWith(dest + "\\"));
}

}  // namespace
}  // namespace brenvale
