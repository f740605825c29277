// The program's name, taken from its exe's file name, is the caption of its message boxes;
// here the message about a photo of the command line that cannot be opened.
#include <gtest/gtest.h>

#include <cctype>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

const char kMissingPhoto[] = "Z:\\nowhere\\missing.jpg";

struct ExeName {
    const char* file;
    const char* programName;
};

void PrintTo(const ExeName& name, std::ostream* out) {
    *out << name.file;
}

class MessageCaption : public testing::TestWithParam<ExeName> {};

TEST_P(MessageCaption, IsTheExeNameWithoutItsExtension) {
    BrenvaleRun run(GetParam().file);
    run.Start(kMissingPhoto);
    const MessageBoxView box = WaitForMessageBox(run.Process().Id(), nullptr);
    EXPECT_EQ(box.caption, GetParam().programName);
    EXPECT_NE(box.text.find(kMissingPhoto), std::string::npos)
        << "the message does not name the photo: " << box.text;
    EXPECT_EQ(TextOf(box.owner), "Brenvale") << "the message box is not owned by the main window";
    EXPECT_FALSE(box.showsIcon);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    PressOk(box);
}

INSTANTIATE_TEST_SUITE_P(Names, MessageCaption,
                         testing::Values(ExeName{"Fotokopie.exe", "Fotokopie"},
                                         ExeName{"brenvale.exe", "brenvale"},
                                         ExeName{"Photo Copy.exe", "Photo Copy"},
                                         ExeName{"brenvale.2.5.exe", "brenvale.2.5"}),
                         [](const testing::TestParamInfo<ExeName>& info) {
                             std::string name = info.param.file;
                             for (char& c : name) {
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

TEST(MissingPhotoAtStart, LeavesBothButtonsEnabledAndTheSourceFolderAsItWas) {
    BrenvaleRun run;
    run.WriteSettings("[source]\r\nE:\\DCIM\\\r\n[dest]\r\nD:\\Pictures\\\r\n");
    run.Start(kMissingPhoto);
    PressOk(WaitForMessageBox(run.Process().Id(), nullptr));
    EXPECT_TRUE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    EXPECT_TRUE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    Click(run.Control(IDC_EXIT));
    run.Process().WaitForExit();
    EXPECT_EQ(run.Settings(), "[source]\r\nE:\\DCIM\\\r\n[dest]\r\nD:\\Pictures\\\r\n");
}

}  // namespace
}  // namespace brenvale
