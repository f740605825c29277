// A memory card's folder on the command line, as when it is dropped onto Brenvale's icon or
// AutoPlay hands over the card: the window opens ready to save every photo below it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
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

TEST_F(CardFolder, MoreThanOneSavesWorthIsToldWithTheCountBeforeTheWindowOpensReadyToSave) {
    Names names;
    for (int i = 1; i <= 1000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
        names.push_back(name);
    }
    MakeFoldersOutside(card_ + "\\DCIM\\100CANON");
    WriteFilesOutside(card_ + "\\DCIM\\100CANON", names, PhotoBytes("", "same"));
    RememberFolders();
    run_.Start(card_);
    const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), nullptr);
    EXPECT_EQ(box.text,
              "1000 fotos found. One save numbers at most 999 copies, so this time the first "
              "999 in name order are saved.");
    PressOk(box);
    ExpectReadyToSave();
}

}  // namespace
}  // namespace brenvale
