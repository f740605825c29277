// The user's whole journey on the real program: Open Camera, pick photos of several days
// in the open-file dialog, type a title, Save On PC, choose the folder, and start again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "camera_photo.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;

struct Shot {
    const char* name;
    const char* takenAt;
};

// A memory card's folder: photos of three days, and one the user does not pick.
const Shot kShots[] = {{"IMG_0101.JPG", "2024:05:17 09:00:12"},
                       {"IMG_0102.JPG", "2024:05:17 18:30:45"},
                       {"IMG_0103.JPG", "2024:05:18 07:45:00"},
                       {"IMG_0201.JPG", "2024:05:19 12:00:00"},
                       {"IMG_0999.JPG", "2024:05:20 10:00:00"}};

// A memory card's camera folder and a Pictures folder, both remembered in the settings.
class Journey : public ::testing::Test {
protected:
    Journey() {
        MakeFolder(card_);
        MakeFolder(camera_);
        MakeFolder(pictures_);
        for (const Shot& shot : kShots) {
            WriteBytes(camera_ + "\\" + shot.name, CameraPhoto(shot.takenAt, shot.name));
        }
        run_.WriteSettings(Settings());
    }
    std::string Settings() const {
        return "[source]\r\n" + camera_ + "\\\r\n[dest]\r\n" + pictures_ + "\\\r\n";
    }

    // Open Camera starts in the card's folder; four photos are picked in any order and
    // the title typed.
    void PickFourPhotosAndTypeATitle() {
        const HWND dialog = run_.OpenCamera();
        EXPECT_EQ(CurrentFolderOf(dialog), camera_);
        PickFiles(dialog, "",
                  QuotedNames({"IMG_0201.JPG", "IMG_0103.JPG", "IMG_0101.JPG", "IMG_0102.JPG"}));
        WaitFor([&] { return IsEnabled(run_.Control(IDC_SAVE_ON_PC)); }, "ready to save");
        EXPECT_FALSE(IsEnabled(run_.Control(IDC_OPEN_CAMERA)));
        EXPECT_EQ(run_.FocusedId(), IDC_TITLE);
        TypeText(run_.Control(IDC_TITLE), "Holiday");
        WaitUntilEquals([&] { return TextOf(run_.Control(IDC_TITLE)); }, std::string("Holiday"),
                        "the typed title to replace \"picture\"");
    }

    // Save On PC: the chooser opens at the remembered folder, OK saves there.
    void SaveIntoTheRememberedFolder() {
        const HWND chooser = run_.OpenFolderChooser();
        {
            FolderTree tree(chooser, run_.Process().Id());
            EXPECT_EQ(tree.TextOf(tree.Selected()), "Pictures");
        }
        Click(WaitForControl(chooser, IDOK));
        const MessageBoxView done = WaitForMessageBox(run_.Process().Id(), run_.MainWindow());
        EXPECT_EQ(done.text, "Fotos successfully saved");
        PressOk(done);
        WaitFor([&] { return IsEnabled(run_.Control(IDC_OPEN_CAMERA)); }, "ready to open");
        EXPECT_FALSE(IsEnabled(run_.Control(IDC_SAVE_ON_PC)));
        EXPECT_EQ(ProgressPositionOf(run_.Control(IDC_PROGRESS)), 0);
    }

    BrenvaleRun run_;
    testing_support::TempDir root_;
    const std::string card_ = root_.PathOf("DCIM");
    const std::string camera_ = card_ + "\\100CANON";
    const std::string pictures_ = root_.PathOf("Pictures");
};

TEST_F(Journey, PhotosOfSeveralDaysPickedTitledSavedAndTheFoldersRemembered) {
    // A copy from an earlier import is there already: it keeps its name and its bytes.
    const std::string earlier = CameraPhoto("2024:05:17 08:00:00", "earlier import");
    WriteBytes(pictures_ + "\\240517_Holiday_001.jpg", earlier);
    run_.Start();
    PickFourPhotosAndTypeATitle();
    SaveIntoTheRememberedFolder();

    // Each picked photo, byte for byte, under its day and the next free number.
    const std::vector<std::string> names = {"240517_Holiday_001.jpg", "240517_Holiday_002.jpg",
                                            "240517_Holiday_003.jpg", "240518_Holiday_004.jpg",
                                            "240519_Holiday_005.jpg"};
    ASSERT_EQ(FileNamesIn(pictures_), names);
    EXPECT_EQ(ReadBytes(pictures_ + "\\" + names[0]), earlier);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ReadBytes(pictures_ + "\\" + names[i + 1]),
                  ReadBytes(camera_ + "\\" + kShots[i].name))
            << names[i + 1];
    }

    // The next import starts in the same card folder.
    const HWND dialog = run_.OpenCamera();
    EXPECT_EQ(CurrentFolderOf(dialog), camera_);
    CancelFileDialog(dialog);

    Click(run_.Control(IDC_EXIT));
    run_.Process().WaitForExit();
    EXPECT_EQ(run_.Settings(), Settings());
}

}  // namespace
}  // namespace brenvale
