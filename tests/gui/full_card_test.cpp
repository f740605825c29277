// A whole memory card picked in the open-file dialog at once: a camera folder of 999
// photos, up to the most the dialog can hand back; beyond that the user is told to pick
// fewer, and nothing changes. More photos than one save can number are told before the
// save, which copies the first 999 of them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
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

constexpr int kPhotos = 999;
// The open-file dialog's result holds the folder, each name and one NUL after each, and a
// final NUL; the program takes results of up to this many bytes.
constexpr size_t kMostResultBytes = 32768;

std::string Numbered(const char* pattern, int number) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

// Names as a camera gives them: IMG_0001.JPG ...
Names CameraNames() {
    Names names;
    for (int i = 1; i <= kPhotos; ++i) names.push_back(Numbered("IMG_%04d.JPG", i));
    return names;
}

// 999 names, padded so that the dialog's result for them in `folder` is `resultBytes` long.
Names NamesFilling(const std::string& folder, size_t resultBytes) {
    const size_t forNames = resultBytes - (folder.size() + 1) - 1;
    const size_t shortest = Numbered("IMG_%04d_.JPG", 1).size() + 1;
    const size_t pad = forNames / kPhotos - shortest;
    size_t longer = forNames % kPhotos;  // names one character longer than the rest
    Names names;
    for (int i = 1; i <= kPhotos; ++i) {
        std::string name = Numbered("IMG_%04d_", i) + std::string(pad + (longer > 0), 'x') + ".JPG";
        if (longer > 0) --longer;
        names.push_back(name);
    }
    return names;
}

size_t ResultBytes(const std::string& folder, const Names& names) {
    size_t bytes = folder.size() + 1 + 1;
    for (const std::string& name : names) bytes += name.size() + 1;
    return bytes;
}

class FullCard : public testing::Test {
protected:
    void SetUp() override { MakeFolder(dest_); }
    // The card's photos appear, Brenvale starts, and the user picks them all in one go.
    void PickAll(const Names& names) {
        MakeFolder(camera_);
        WriteFilesOutside(camera_, names, PhotoBytes("2023:07:14 10:15:00", "card"));
        run_.WriteSettings("[source]\r\n" + camera_ + "\\\r\n[dest]\r\n" + dest_ + "\\\r\n");
        run_.Start();
        const HWND dialog = run_.OpenCamera();
        WaitUntilEquals([&] { return CurrentFolderOf(dialog); }, camera_,
                        "the dialog to show the card");
        PickFiles(dialog, "", QuotedNames(names), Milliseconds(30000));
    }
    // Saves the selection with a typed date, expects the message that ends the save, and
    // returns the names of the copies.
    Names SaveAll(const std::string& endText = "Fotos successfully saved") {
        const std::string date = "20230714";
        AskWindow(run_.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));
        Click(WaitForControl(run_.OpenFolderChooser(), IDOK));
        const MessageBoxView box =
            WaitForMessageBox(run_.Process().Id(), run_.MainWindow(), Milliseconds(60000));
        EXPECT_EQ(box.text, endText);
        PressOk(box);
        return FileNamesIn(dest_);
    }
    void ExpectAllSaved() {
        WaitFor([&] { return IsEnabled(run_.Control(IDC_SAVE_ON_PC)); }, "ready to save");
        EXPECT_FALSE(IsEnabled(run_.Control(IDC_OPEN_CAMERA)));
        const Names copies = SaveAll();
        ASSERT_EQ(copies.size(), size_t{kPhotos});
        EXPECT_EQ(copies.front(), "20230714_picture_001.jpg");
        EXPECT_EQ(copies.back(), "20230714_picture_999.jpg");
    }

    BrenvaleRun run_;
    testing_support::TempDir root_;
    const std::string camera_ = root_.PathOf("DCIM\\100CANON");
    const std::string dest_ = root_.PathOf("Pictures");
};

TEST_F(FullCard, AllOf999CameraPhotosPickedAtOnceAreSelectedAndSaved) {
    PickAll(CameraNames());
    ExpectAllSaved();
}

TEST_F(FullCard, MorePhotosThanOneSaveNumbersAreToldWithTheCountAndTheFirst999Saved) {
    Names names = CameraNames();
    names.push_back("IMG_1000.JPG");
    PickAll(names);
    const MessageBoxView told = WaitForMessageBox(run_.Process().Id(), run_.MainWindow());
    EXPECT_EQ(told.text,
              "1000 fotos found. One save numbers at most 999 copies of one title, so this save "
              "copies the first 999 in name order. The other one needs another title, or "
              "another folder: start Brenvale again and pick it with Open Camera.");
    PressOk(told);
    WaitFor([&] { return IsEnabled(run_.Control(IDC_SAVE_ON_PC)); }, "ready to save");
    // All 1000 stay selected: the save ends at its limit, not with success.
    const Names copies = SaveAll("Number of files with same title limited by 999");
    ASSERT_EQ(copies.size(), size_t{kPhotos});
    EXPECT_EQ(copies.back(), "20230714_picture_999.jpg");
}

TEST_F(FullCard, PhotosFillingTheWholeResultAreSelectedAndSaved) {
    const Names names = NamesFilling(camera_, kMostResultBytes);
    ASSERT_EQ(ResultBytes(camera_, names), kMostResultBytes);
    PickAll(names);
    ExpectAllSaved();
}

TEST_F(FullCard, OneByteMoreThanTheDialogCanHandBackIsRefusedAndChangesNothing) {
    const Names names = NamesFilling(camera_, kMostResultBytes + 1);
    ASSERT_EQ(ResultBytes(camera_, names), kMostResultBytes + 1);
    PickAll(names);
    const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), run_.MainWindow());
    EXPECT_EQ(box.text, "Too many fotos selected. Please select fewer fotos.");
    EXPECT_EQ(box.caption, "brenvale");
    PressOk(box);
    // As after a cancel: still ready to open, nothing remembered.
    EXPECT_TRUE(IsEnabled(run_.Control(IDC_OPEN_CAMERA)));
    EXPECT_FALSE(IsEnabled(run_.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(run_.ExitAndReadSettings(),
              "[source]\r\n" + camera_ + "\\\r\n[dest]\r\n" + dest_ + "\\\r\n");
}

}  // namespace
}  // namespace brenvale
