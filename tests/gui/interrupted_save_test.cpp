// Save On PC ended from outside in the middle of a run, at a photo another program holds
// open: every photo name in the folder holds a whole photo, and the next run into the
// folder clears away what the ended one left and numbers on.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

constexpr std::size_t kBlock = 4096;
constexpr std::size_t kBigPhotoBytes = 8 << 20;
constexpr Milliseconds kSaveTimeout{30000};  // within the test's own time limit

// A photo of many blocks, each telling its own place, so that a copy with a block missing,
// doubled or out of place differs from it.
std::string BigPhotoBytes() {
    std::string bytes = PhotoBytes("", "big");
    while (bytes.size() < kBigPhotoBytes) {
        std::string block = std::to_string(bytes.size());
        block.resize(kBlock, ' ');
        bytes += block;
    }
    return bytes;
}

std::string CopyName(int number) {
    return "20230714_picture_00" + std::to_string(number) + ".jpg";
}

Names CopyNames(int count) {
    Names names;
    for (int number = 1; number <= count; ++number) names.push_back(CopyName(number));
    return names;
}

class InterruptedSave : public testing::Test {
protected:
    void SetUp() override {
        MakeFolder(dest_);
        run_.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest_ + "\\\r\n");
        WriteBytes(photos_[0], PhotoBytes("", "small"));
        WriteBytes(photos_[1], BigPhotoBytes());
        WriteBytes(photos_[2], PhotoBytes("", "held"));
    }
    // Starts the program on the photos with a typed date, presses Save On PC and OK.
    void StartSaving() {
        run_.Start("\"" + photos_[0] + "\" \"" + photos_[1] + "\" \"" + photos_[2] + "\"");
        const std::string date = "2023-07-14";
        AskWindow(run_.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));
        Click(WaitForControl(run_.OpenFolderChooser(), IDOK));
    }
    // Whether the copy `number` holds exactly the bytes of `photo`.
    bool CopyHolds(int number, const std::string& photo) const {
        return ReadBytes(dest_ + "\\" + CopyName(number)) == ReadBytes(photo);
    }

    BrenvaleRun run_;
    testing_support::TempDir destRoot_;
    const std::string dest_ = destRoot_.PathOf("Pictures");
    const std::vector<std::string> photos_ = {run_.PhotoFolder() + "\\IMG_0001.JPG",
                                              run_.PhotoFolder() + "\\IMG_0002.JPG",
                                              run_.PhotoFolder() + "\\IMG_0003.JPG"};
};

TEST_F(InterruptedSave, LeavesNoPartOfAPhotoUnderItsNameAndTheNextRunCopiesItWhole) {
    {
        // The run stops with a message at the photo held open, after two copies, and is
        // ended there as the task manager ends a program.
        const OwnedHandle held = HoldOpen(photos_[2]);
        StartSaving();
        const MessageBoxView stop =
            WaitForMessageBox(run_.Process().Id(), run_.MainWindow(), kSaveTimeout);
        EXPECT_NE(stop.text, "Fotos successfully saved");
        run_.Process().Kill();
    }
    ASSERT_EQ(VisibleNamesIn(dest_), CopyNames(2));
    EXPECT_TRUE(CopyHolds(1, photos_[0]));
    EXPECT_TRUE(CopyHolds(2, photos_[1]));

    // Saved again with the same photos: what the ended run left goes, the numbers run on.
    StartSaving();
    const MessageBoxView box =
        WaitForMessageBox(run_.Process().Id(), run_.MainWindow(), kSaveTimeout);
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    EXPECT_EQ(EntryNamesIn(dest_), CopyNames(5));
    EXPECT_TRUE(CopyHolds(3, photos_[0]));
    EXPECT_TRUE(CopyHolds(4, photos_[1]));
    EXPECT_TRUE(CopyHolds(5, photos_[2]));
    Click(run_.Control(IDC_EXIT));
    EXPECT_EQ(run_.Process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace brenvale
