// Save On PC onto a disk that keeps a wrong byte in the second copy and gives it back so: a
// copy that is not its photo never carries a photo's name, and the user is not told that
// the photos are saved.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

TEST(SaveOnALyingDisk, ACopyThatDiffersFromItsPhotoIsNeverNamedNorSaidToBeSaved) {
    const char* disk = std::getenv("BRENVALE_LYING_DISK");
    if (disk == nullptr) GTEST_SKIP() << "run this test through with_test_disks.sh";
    const std::string dest = disk;
    BrenvaleRun run;
    run.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest + "\\\r\n");
    std::string photos;
    std::vector<std::string> paths;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
        paths.push_back(run.PhotoFolder() + "\\" + name);
        WriteBytes(paths.back(), PhotoBytes("", std::string(40000, name[0])));
        photos += " \"" + paths.back() + "\"";
    }
    run.Start(photos.substr(1));
    for (const auto& [id, text] : {std::pair{IDC_TITLE, "T"}, {IDC_DATE, "d1"}}) {
        AskWindow(run.Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    Click(WaitForControl(run.OpenFolderChooser(), IDOK));
    const MessageBoxView box = WaitForMessageBox(run.Process().Id(), run.MainWindow());
    EXPECT_NE(box.text, "Fotos successfully saved");
    EXPECT_NE(box.text.find(dest + "\\d1_T_002.jpg"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(paths[1]), std::string::npos) << box.text;
    PressOk(box);

    // What carries a photo's name is that photo, whole; nothing else is left.
    EXPECT_EQ(EntryNamesIn(dest), Names{"d1_T_001.jpg"});
    EXPECT_EQ(ReadBytes(dest + "\\d1_T_001.jpg"), ReadBytes(paths[0]));
    EXPECT_TRUE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    Click(run.Control(IDC_EXIT));
    EXPECT_EQ(run.Process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace brenvale
