// Closing Brenvale from outside while one of its dialogs is open, as Task Manager's "End
// task" and taskkill do (WM_CLOSE to the main window), and then finishing that dialog as the
// user would: the program ends without a crash, with every copy whole and the settings file
// holding what the user chose last.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
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
using Names = std::vector<std::string>;

class ClosedFromOutside : public testing::Test {
protected:
    void SetUp() override {
        MakeFolder(dest_);
        MakeFolder(camera_);
        for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG"}) {
            WriteBytes(camera_ + "\\" + name, PhotoBytes("2023:07:14 10:15:00", name));
        }
        run_.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest_ + "\\\r\n");
    }
    // Posts WM_CLOSE to the main window and waits until the program has taken it from its
    // queue: a message posted after it, to the progress bar, has then been handled too.
    void CloseFromOutside() {
        const HWND progress = run_.Control(IDC_PROGRESS);
        CloseWindowOf(run_.MainWindow());
        PostMessageA(progress, PBM_SETPOS, 3, 0);
        WaitUntilEquals([&] { return ProgressPositionOf(progress); }, 3,
                        "the program to take WM_CLOSE from its queue");
    }
    MessageBoxView NextBox() { return WaitForMessageBox(run_.Process().Id(), run_.MainWindow()); }
    void ExpectWholeCopiesAndTheSettings() {
        EXPECT_EQ(run_.Process().WaitForExit(), 0u);
        ASSERT_EQ(FileNamesIn(dest_), (Names{"230714_picture_001.jpg", "230714_picture_002.jpg"}));
        EXPECT_EQ(ReadBytes(dest_ + "\\230714_picture_001.jpg"),
                  ReadBytes(camera_ + "\\IMG_0001.JPG"));
        EXPECT_EQ(ReadBytes(dest_ + "\\230714_picture_002.jpg"),
                  ReadBytes(camera_ + "\\IMG_0002.JPG"));
        EXPECT_EQ(run_.Settings(),
                  "[source]\r\n" + camera_ + "\\\r\n[dest]\r\n" + dest_ + "\\\r\n");
    }
    void StartWithBothPhotos() {
        run_.Start("\"" + camera_ + "\\IMG_0001.JPG\" \"" + camera_ + "\\IMG_0002.JPG\"");
        run_.MainWindow();
    }

    BrenvaleRun run_;
    testing_support::TempDir root_;
    const std::string camera_ = root_.PathOf("DCIM\\100CANON");
    const std::string dest_ = root_.PathOf("Pictures");
};

TEST_F(ClosedFromOutside, WhileTheFolderChooserIsOpenSavesAndEndsAfterTheRun) {
    StartWithBothPhotos();
    const HWND chooser = run_.OpenFolderChooser();
    CloseFromOutside();
    Click(WaitForControl(chooser, IDOK));
    const MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    ExpectWholeCopiesAndTheSettings();
}

TEST_F(ClosedFromOutside, WhileTheSuccessMessageIsShownEndsOnceItIsClosed) {
    StartWithBothPhotos();
    Click(WaitForControl(run_.OpenFolderChooser(), IDOK));
    const MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "Fotos successfully saved");
    CloseFromOutside();
    EXPECT_FALSE(run_.Process().HasEnded());
    PressOk(box);
    ExpectWholeCopiesAndTheSettings();
}

TEST_F(ClosedFromOutside, WhileTheOpenFileDialogIsOpenTakesThePickedPhotosAndEnds) {
    run_.Start();
    const HWND dialog = run_.OpenCamera();
    CloseFromOutside();
    PickFiles(dialog, camera_, QuotedNames({"IMG_0002.JPG", "IMG_0001.JPG"}));
    EXPECT_EQ(run_.Process().WaitForExit(), 0u);
    // The folder of the photos just picked is remembered.
    EXPECT_EQ(run_.Settings(), "[source]\r\n" + camera_ + "\\\r\n[dest]\r\n" + dest_ + "\\\r\n");
}

}  // namespace
}  // namespace brenvale
