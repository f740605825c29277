// The tips that show when the pointer rests on a control of the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/tooltip.h"
#include "driver/wait.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

struct Tip {
    int id;
    const char* text;
    bool needsAPhoto;  // Save On PC is enabled only with photos selected
};

void PrintTo(const Tip& tip, std::ostream* out) {
    *out << "control " << tip.id;
}

class Tooltip : public testing::TestWithParam<Tip> {};

TEST_P(Tooltip, ShowsItsTextOverTheControl) {
    BrenvaleRun run;
    run.Start(GetParam().needsAPhoto ? run.WritePhoto("IMG_0001.JPG") : "");
    const HWND control = run.Control(GetParam().id);
    ASSERT_TRUE(IsEnabled(control));
    // A tip begun for the control under the pointer at the start may still show first:
    // the pointer then leaves and comes back, until the control's own tip shows.
    WaitUntilEquals([&] { return ReadTooltip(run.MainWindow(), control); },
                    std::string(GetParam().text), "the tip of " + Describe(control));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Tooltip,
    testing::Values(
        Tip{IDC_OPEN_CAMERA, "Select all foto-files from the camera-folder", false},
        Tip{IDC_SAVE_ON_PC, "Select destination-folder for the foto-files at the PC", true},
        Tip{IDC_TITLE, "Edit the title of the selected foto-files", false},
        Tip{IDC_DATE,
            "Change here only if a special date is wanted. Only numbers and letters allowed",
            false},
        Tip{IDC_LONG_DATE, "If selected the date includes additionally hour, minute and second",
            false},
        Tip{IDC_INFO, "Information about Brenvale", false}, Tip{IDC_EXIT, "Exit Brenvale", false}),
    [](const testing::TestParamInfo<Tip>& info) { return std::to_string(info.param.id); });

TEST(TooltipControl, HoldsOneToolPerControlAndWrapsLongTips) {
    BrenvaleRun run;
    run.Start();
    const HWND tips = run.Tooltips();
    EXPECT_EQ(AskWindow(tips, TTM_GETTOOLCOUNT), 7);
    EXPECT_EQ(AskWindow(tips, TTM_GETMAXTIPWIDTH), 200);
    EXPECT_EQ(AskWindow(tips, TTM_GETDELAYTIME, TTDT_AUTOPOP), 4000);
}

}  // namespace
}  // namespace brenvale
