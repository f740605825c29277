// A memory card's folder on the command line, as when it is dropped onto Brenvale's icon or
// AutoPlay hands over the card: the window opens ready to save every photo below it, and
// what stays on the card is told before the save.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
#include "driver/handle.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/outside.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

class CardFolder : public testing::Test {
protected:
    void SetUp() override { MakeFolder(dest_); }

    // Each photo with a tail of its own, so that its copy can be told apart.
    void WritePhotos(const std::string& folder, const Names& names) {
        MakeFoldersOutside(folder);
        for (const std::string& name : names) {
            WriteFilesOutside(folder, {name}, PhotoBytes("2023:07:14 10:15:00", name));
        }
    }
    void RememberFolders() {
        run_.WriteSettings("[source]\r\nE:\\DCIM\\\r\n[dest]\r\n" + dest_ + "\\\r\n");
    }
    void ExpectReadyToSave() {
        EXPECT_FALSE(IsEnabled(run_.Control(IDC_OPEN_CAMERA)));
        EXPECT_TRUE(IsEnabled(run_.Control(IDC_SAVE_ON_PC)));
    }
    // The notice shown before the window opens; answered with OK.
    std::string Notice() {
        const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), nullptr);
        PressOk(box);
        return box.text;
    }
    // Saves into the remembered folder and returns the message that ends the save.
    std::string Save(Milliseconds timeout = kDefaultTimeout) {
        Click(WaitForControl(run_.OpenFolderChooser(), IDOK));
        const MessageBoxView box =
            WaitForMessageBox(run_.Process().Id(), run_.MainWindow(), timeout);
        PressOk(box);
        return box.text;
    }
    // The copies in the destination hold the bytes of these photos, in this order.
    void ExpectCopiesOf(const std::string& folder, const Names& photos) {
        const Names copies = FileNamesIn(dest_);
        ASSERT_EQ(copies.size(), photos.size());
        for (size_t i = 0; i < copies.size(); ++i) {
            EXPECT_EQ(ReadBytes(dest_ + "\\" + copies[i]), ReadBytes(folder + "\\" + photos[i]))
                << copies[i];
        }
    }

    BrenvaleRun run_;
    testing_support::TempDir root_;
    const std::string card_ = root_.PathOf("card");
    const std::string dest_ = root_.PathOf("Pictures");
};

TEST_F(CardFolder, TheCardsRootOpensReadyToSaveAndASaveCopiesItsPhotosInNameOrder) {
    WritePhotos(card_ + "\\DCIM\\101CANON", {"IMG_0101.JPG"});
    WritePhotos(card_ + "\\DCIM\\100CANON", {"IMG_0002.JPG", "IMG_0001.JPG"});
    MakeFoldersOutside(card_ + "\\MISC");
    WriteFilesOutside(card_ + "\\MISC", {"AUTPRINT.MRK"}, "[HDR]\r\n");
    RememberFolders();
    run_.Start("\"" + card_ + "\"");
    ExpectReadyToSave();
    EXPECT_EQ(run_.FocusedId(), IDC_TITLE);

    Click(WaitForControl(run_.OpenFolderChooser(), IDOK));
    const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), run_.MainWindow());
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    const Names copies = FileNamesIn(dest_);
    ASSERT_EQ(copies, (Names{"230714_picture_001.jpg", "230714_picture_002.jpg",
                             "230714_picture_003.jpg"}));
    const char* const photos[] = {"100CANON\\IMG_0001.JPG", "100CANON\\IMG_0002.JPG",
                                  "101CANON\\IMG_0101.JPG"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ReadBytes(dest_ + "\\" + copies[i]), ReadBytes(card_ + "\\DCIM\\" + photos[i]))
            << copies[i];
    }
    // The folder of the first photo is the one the open-file dialog starts in next time.
    EXPECT_EQ(run_.ExitAndReadSettings(),
              "[source]\r\n" + card_ + "\\DCIM\\100CANON\\\r\n[dest]\r\n" + dest_ + "\\\r\n");
}

TEST_F(CardFolder, AFolderWithoutPhotosIsToldByNameAndTheWindowOpensReadyToOpen) {
    MakeFoldersOutside(card_ + "\\MISC");
    WriteFilesOutside(card_ + "\\MISC", {"AUTPRINT.MRK"}, "[HDR]\r\n");
    RememberFolders();
    run_.Start("\"" + card_ + "\"");
    const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), nullptr);
    EXPECT_EQ(box.text, "No foto found in the folder \"" + card_ + "\"");
    EXPECT_EQ(box.caption, "brenvale");
    PressOk(box);
    EXPECT_TRUE(IsEnabled(run_.Control(IDC_OPEN_CAMERA)));
    EXPECT_FALSE(IsEnabled(run_.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(run_.ExitAndReadSettings(),
              "[source]\r\nE:\\DCIM\\\r\n[dest]\r\n" + dest_ + "\\\r\n");
}

TEST_F(CardFolder, RawPhotosAndVideosAreCountedByKindBeforeTheSaveWhichCopiesTheJpgFiles) {
    const std::string camera = card_ + "\\DCIM\\100CANON";
    WritePhotos(camera,
                {"IMG_0001.JPG", "IMG_0001.CR2", "IMG_0002.JPG", "IMG_0002.CR2", "MVI_0003.MOV"});
    MakeFoldersOutside(card_ + "\\MISC");
    WriteFilesOutside(card_ + "\\MISC", {"AUTPRINT.MRK"}, "[HDR]\r\n");
    RememberFolders();
    run_.Start("\"" + card_ + "\"");
    EXPECT_EQ(Notice(),
              "3 photos and videos in this folder are not .jpg files and are not copied: 2 .CR2, "
              "1 .MOV. They stay where they are.");
    ExpectReadyToSave();
    EXPECT_EQ(Save(), "Fotos successfully saved");
    ExpectCopiesOf(camera, {"IMG_0001.JPG", "IMG_0002.JPG"});
}

// A folder whose listing fails: another program holds it open for itself, as a backup or
// a synchronising program may (the same failure as a folder the user may not read, which
// root, who runs the tests, always may).
TEST_F(CardFolder, AFolderThatCannotBeReadIsNamedBeforeTheSave) {
    const std::string readable = card_ + "\\DCIM\\100CANON";
    const std::string held = card_ + "\\DCIM\\101CANON";
    WritePhotos(readable, {"IMG_0001.JPG"});
    WritePhotos(held, {"IMG_0101.JPG"});
    RememberFolders();
    const HANDLE opened = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(opened, INVALID_HANDLE_VALUE);
    const OwnedHandle holding(opened);
    run_.Start("\"" + card_ + "\"");
    const std::string notice = Notice();
    EXPECT_EQ(notice.rfind("Cannot read the folder \"" + held + "\" - Error 32", 0), 0u) << notice;
    ExpectReadyToSave();
    EXPECT_EQ(Save(), "Fotos successfully saved");
    ExpectCopiesOf(readable, {"IMG_0001.JPG"});
}

// Links made on Linux, where a folder given to Brenvale may hold them: Wine shows a link to
// a photo as the photo itself.
TEST_F(CardFolder, ALinkToAPhotoGivesOneCopyAndALinkToAFolderIsNotFollowed) {
    const std::string camera = card_ + "\\DCIM\\100CANON";
    WritePhotos(camera, {"IMG_0001.JPG", "IMG_0002.JPG"});
    MakeLinkOutside("IMG_0002.JPG", camera + "\\IMG_0003.JPG");
    MakeLinkOutside("..", camera + "\\BACK");
    RememberFolders();
    run_.Start("\"" + card_ + "\"");
    ExpectReadyToSave();
    EXPECT_EQ(Save(), "Fotos successfully saved");
    ExpectCopiesOf(camera, {"IMG_0001.JPG", "IMG_0002.JPG"});
}

// A card written on Linux or a Mac can hold photos with names that Windows opens as a
// device: the null device (an empty "copy") or a serial port (a wait without end).
TEST_F(CardFolder, PhotosNamedLikeDevicesAreNamedAndLeftOutAndTheWindowGoesOn) {
    if (!CanWorkOutside()) GTEST_SKIP() << "only another system writes such names";
    const std::string camera = card_ + "\\DCIM\\100CANON";
    WritePhotos(camera, {"IMG_0001.JPG", "NUL.jpg", "COM1.jpg"});
    const FilesRemovedOutside removed(camera, {"NUL.jpg", "COM1.jpg"});
    RememberFolders();
    run_.Start("\"" + card_ + "\"");
    EXPECT_EQ(Notice(), "Not copied, as Windows takes their names for devices: \"" + camera +
                            "\\COM1.jpg\", \"" + camera + "\\NUL.jpg\". They stay where they are.");
    ExpectReadyToSave();
    EXPECT_EQ(Save(), "Fotos successfully saved");
    ExpectCopiesOf(camera, {"IMG_0001.JPG"});
}

// The way past 999 photos of one folder that the README gives.
TEST_F(CardFolder, PhotosBeyondOneSavesNumbersAreSavedUnderAnotherTitleAsTheNoticeSays) {
    const std::string camera = card_ + "\\DCIM\\100CANON";
    Names first;
    for (int i = 1; i <= 999; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
        first.push_back(name);
    }
    MakeFoldersOutside(camera);
    WriteFilesOutside(camera, first, PhotoBytes("2023:07:14 10:15:00", "first 999"));
    Names rest;
    for (int i = 1000; i <= 1010; ++i) rest.push_back("IMG_" + std::to_string(i) + ".JPG");
    WritePhotos(camera, rest);
    RememberFolders();
    run_.Start(card_);
    EXPECT_EQ(Notice(),
              "1010 fotos found. One save numbers at most 999 copies of one title, so this save "
              "copies the first 999 in name order. The other 11 need another title, or another "
              "folder: start Brenvale again and pick them with Open Camera.");
    ExpectReadyToSave();
    EXPECT_EQ(Save(Milliseconds(60000)), "Number of files with same title limited by 999");
    EXPECT_EQ(FileNamesIn(dest_).size(), 999u);
    run_.ExitAndReadSettings();

    // Start again, pick the other 11 in the folder Open Camera starts in, another title.
    run_.Start();
    const HWND dialog = run_.OpenCamera();
    WaitUntilEquals([&] { return CurrentFolderOf(dialog); }, camera, "the dialog to show the card");
    PickFiles(dialog, "", QuotedNames(rest));
    const std::string title = "Holiday rest";
    AskWindow(run_.Control(IDC_TITLE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
    EXPECT_EQ(Save(), "Fotos successfully saved");
    const Names copies = FileNamesIn(dest_);
    ASSERT_EQ(copies.size(), 1010u);
    for (size_t i = 0; i < rest.size(); ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "230714_Holiday rest_%03d.jpg", static_cast<int>(i + 1));
        EXPECT_EQ(ReadBytes(dest_ + "\\" + name), ReadBytes(camera + "\\" + rest[i])) << name;
    }
}

}  // namespace
}  // namespace brenvale
