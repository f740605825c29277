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

TEST(Journey, PhotosOfSeveralDaysPickedTitledSavedAndTheFoldersRemembered) {
    BrenvaleRun run;
    testing_support::TempDir root;
    const std::string card = root.PathOf("DCIM");
    const std::string camera = card + "\\100CANON";
    const std::string pictures = root.PathOf("Pictures");
    MakeFolder(card);
    MakeFolder(camera);
    MakeFolder(pictures);
    for (const Shot& shot : kShots) {
        WriteBytes(camera + "\\" + shot.name, CameraPhoto(shot.takenAt, shot.name));
    }
    // A copy from an earlier import is there already: it keeps its name and its bytes.
    const std::string earlier = CameraPhoto("2024:05:17 08:00:00", "earlier import");
    WriteBytes(pictures + "\\240517_Holiday_001.jpg", earlier);
    run.WriteSettings("[source]\r\n" + camera + "\\\r\n[dest]\r\n" + pictures + "\\\r\n");
    run.Start();

    // Open Camera starts in the card's folder; four photos are picked in any order.
    HWND dialog = run.OpenCamera();
    EXPECT_EQ(CurrentFolderOf(dialog), camera);
    PickFiles(dialog, "",
              QuotedNames({"IMG_0201.JPG", "IMG_0103.JPG", "IMG_0101.JPG", "IMG_0102.JPG"}));
    WaitFor([&] { return IsEnabled(run.Control(IDC_SAVE_ON_PC)); }, "ready to save");
    EXPECT_FALSE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    EXPECT_EQ(run.FocusedId(), IDC_TITLE);
    TypeText(run.Control(IDC_TITLE), "Holiday");
    WaitUntilEquals([&] { return TextOf(run.Control(IDC_TITLE)); }, std::string("Holiday"),
                    "the typed title to replace \"picture\"");

    // Save On PC: the chooser opens at the remembered folder, OK saves there.
    const HWND chooser = run.OpenFolderChooser();
    {
        FolderTree tree(chooser, run.Process().Id());
        EXPECT_EQ(tree.TextOf(tree.Selected()), "Pictures");
    }
    Click(WaitForControl(chooser, IDOK));
    const MessageBoxView done = WaitForMessageBox(run.Process().Id(), run.MainWindow());
    EXPECT_EQ(done.text, "Fotos successfully saved");
    PressOk(done);
    WaitFor([&] { return IsEnabled(run.Control(IDC_OPEN_CAMERA)); }, "ready to open");
    EXPECT_FALSE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(ProgressPositionOf(run.Control(IDC_PROGRESS)), 0);

    // Each picked photo, byte for byte, under its day and the next free number.
    const std::vector<std::string> names = {"240517_Holiday_001.jpg", "240517_Holiday_002.jpg",
                                            "240517_Holiday_003.jpg", "240518_Holiday_004.jpg",
                                            "240519_Holiday_005.jpg"};
    ASSERT_EQ(FileNamesIn(pictures), names);
    EXPECT_EQ(ReadBytes(pictures + "\\" + names[0]), earlier);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ReadBytes(pictures + "\\" + names[i + 1]),
                  ReadBytes(camera + "\\" + kShots[i].name))
            << names[i + 1];
    }

    // The next import starts in the same card folder.
    dialog = run.OpenCamera();
    EXPECT_EQ(CurrentFolderOf(dialog), camera);
    CancelFileDialog(dialog);

    Click(run.Control(IDC_EXIT));
    run.Process().WaitForExit();
    EXPECT_EQ(run.Settings(), "[source]\r\n" + camera + "\\\r\n[dest]\r\n" + pictures + "\\\r\n");
}

}  // namespace
}  // namespace brenvale
