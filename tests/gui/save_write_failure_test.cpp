// Save On PC on a disk that stops taking bytes in the middle of a copy: the user is told,
// no partial copy stays behind, the earlier copy is whole and the program goes on.
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

TEST(SaveOnAFailingDisk, EndsTheRunWithTheFileErrorAndLeavesNoPartialCopy) {
    const char* bigPhoto = std::getenv("BRENVALE_BIG_PHOTO");
    if (bigPhoto == nullptr) GTEST_SKIP() << "run this test through with_file_size_limit.sh";
    BrenvaleRun run;
    testing_support::TempDir destRoot;
    const std::string dest = destRoot.PathOf("Pictures");
    MakeFolder(dest);
    run.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest + "\\\r\n");
    const std::string small = run.PhotoFolder() + "\\IMG_0001.JPG";
    WriteBytes(small, PhotoBytes("2023:07:14 10:15:00", "small"));
    // The photos sort by their whole paths: the one in this test's folder comes first.
    ASSERT_LT(small, std::string(bigPhoto));
    // A typed date gives both copies one base.
    run.Start("\"" + small + "\" \"" + bigPhoto + "\"");
    const std::string date = "2023-07-14";
    AskWindow(run.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));

    const HWND chooser = run.OpenFolderChooser();
    Click(WaitForControl(chooser, IDOK));
    const MessageBoxView box = WaitForMessageBox(run.Process().Id(), run.MainWindow());
    // The user is told about the copy by the name it would have had; nothing of it is left.
    const std::string copy = dest + "\\20230714_picture_002.jpg\"";
    EXPECT_NE(box.text.find(copy), std::string::npos) << box.text;
    EXPECT_NE(box.text, "Fotos successfully saved");
    PressOk(box);

    EXPECT_EQ(EntryNamesIn(dest), Names{"20230714_picture_001.jpg"});
    EXPECT_EQ(ReadBytes(dest + "\\20230714_picture_001.jpg"), ReadBytes(small));
    // Still running and answering: the run can be started again, and Exit works.
    EXPECT_TRUE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(ProgressPositionOf(run.Control(IDC_PROGRESS)), 10);
    Click(run.Control(IDC_EXIT));
    EXPECT_EQ(run.Process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace brenvale
