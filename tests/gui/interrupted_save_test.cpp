// Save On PC ended from outside in the middle of a copy, with the card stalling on the
// second photo: every photo name in the folder holds a whole photo, and the next run into
// the folder clears away what the ended one left and numbers on.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/wait.h"
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
        const char* card = std::getenv("BRENVALE_STALLING_CARD");
        const char* stall = std::getenv("BRENVALE_CARD_STALL");
        if (card == nullptr || stall == nullptr) {
            GTEST_SKIP() << "run this test through with_test_disks.sh";
        }
        stall_ = stall;
        for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.JPG"}) {
            photos_.push_back(std::string(card) + "\\" + name);
        }
        MakeFolder(dest_);
        run_.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest_ + "\\\r\n");
        WriteBytes(photos_[0], PhotoBytes("", "small"));
        WriteBytes(photos_[1], BigPhotoBytes());
        WriteBytes(photos_[2], PhotoBytes("", "third"));
    }
    // Starts the program on the photos with a typed date, presses Save On PC and OK.
    void StartSaving() {
        run_.Start("\"" + photos_[0] + "\" \"" + photos_[1] + "\" \"" + photos_[2] + "\"");
        const std::string date = "2023-07-14";
        AskWindow(run_.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));
        Click(WaitForControl(run_.OpenFolderChooser(), IDOK));
    }
    // How many bytes the unfinished copy `name` in the run's hidden folder holds so far; 0
    // while there is none.
    DWORD UnfinishedBytes(const std::string& name) const {
        for (const std::string& folder : EntryNamesIn(dest_)) {
            if (folder.rfind("~bv", 0) != 0) continue;
            const std::string path = dest_ + "\\" + folder + "\\" + name;
            WIN32_FILE_ATTRIBUTE_DATA data{};
            if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
                return data.nFileSizeLow;
            }
        }
        return 0;
    }
    // Whether the copy `number` holds exactly the bytes of `photo`.
    bool CopyHolds(int number, const std::string& photo) const {
        return ReadBytes(dest_ + "\\" + CopyName(number)) == ReadBytes(photo);
    }

    BrenvaleRun run_;
    testing_support::TempDir destRoot_;
    const std::string dest_ = destRoot_.PathOf("Pictures");
    std::string stall_;
    std::vector<std::string> photos_;
};

TEST_F(InterruptedSave, LeavesNoPartOfAPhotoUnderItsNameAndTheNextRunCopiesItWhole) {
    // The card stalls in the middle of the second photo; the program is ended there, as the
    // task manager ends a program, with the first copy named and the second under way.
    WriteBytes(stall_, "");
    StartSaving();
    WaitFor([&] { return VisibleNamesIn(dest_) == CopyNames(1) && UnfinishedBytes("2") > 0; },
            "the first copy named and the second partly written", kSaveTimeout);
    run_.Process().Kill();
    ASSERT_TRUE(DeleteFileA(stall_.c_str()));
    ASSERT_EQ(VisibleNamesIn(dest_), CopyNames(1));
    EXPECT_TRUE(CopyHolds(1, photos_[0]));

    // Saved again with the same photos: what the ended run left goes, the numbers run on.
    StartSaving();
    const MessageBoxView box =
        WaitForMessageBox(run_.Process().Id(), run_.MainWindow(), kSaveTimeout);
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    EXPECT_EQ(EntryNamesIn(dest_), CopyNames(4));
    EXPECT_TRUE(CopyHolds(2, photos_[0]));
    EXPECT_TRUE(CopyHolds(3, photos_[1]));
    EXPECT_TRUE(CopyHolds(4, photos_[2]));
    Click(run_.Control(IDC_EXIT));
    EXPECT_EQ(run_.Process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace brenvale
