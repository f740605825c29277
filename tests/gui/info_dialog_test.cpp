// The information dialog, from the Info button and from the system menu: what it shows,
// and that the main window is as it was once it has closed.
#include <gtest/gtest.h>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

WantedWindow InfoDialogOf(BrenvaleRun& run) {
    const std::string caption = "Info Brenvale";
    return {run.Process().Id(), kDialogClass, caption, run.MainWindow(),
            "the information dialog \"" + caption + "\" owned by the main window"};
}

bool ShowsText(HWND dialog, const std::string& text) {
    for (HWND child : ChildrenOf(dialog)) {
        if (ClassOf(child) == "Static" && TextOf(child) == text) return true;
    }
    return false;
}

struct InfoOpening {
    const char* name;
    void (*open)(BrenvaleRun&);
    bool resetsProgress;  // only the Info button sets the progress bar back to 0
};

void PrintTo(const InfoOpening& opening, std::ostream* out) {
    *out << opening.name;
}

class InfoDialog : public testing::TestWithParam<InfoOpening> {};

TEST_P(InfoDialog, ShowsTheVersionAndLeavesTheMainWindowAsItWas) {
    BrenvaleRun run;
    run.Start();
    // A save run that stopped early leaves the progress bar partly filled.
    SetProgressPosition(run.Control(IDC_PROGRESS), 4);
    const MainWindowState before = StateOf(run.MainWindow());

    GetParam().open(run);
    const HWND info = WaitForWindow(InfoDialogOf(run));
    EXPECT_TRUE(ShowsText(info, "Brenvale Version 2.5"));
    EXPECT_FALSE(IsEnabled(run.MainWindow())) << "the information dialog is not modal";
    EXPECT_EQ(ProgressPositionOf(run.Control(IDC_PROGRESS)), GetParam().resetsProgress ? 0 : 4);

    const HWND exit = WaitForControl(info, IDOK);
    EXPECT_EQ(TextOf(exit), "Exit");
    Click(exit);
    WaitForNoWindow(InfoDialogOf(run));
    WaitFor([&] { return IsEnabled(run.MainWindow()); }, "the main window to be enabled again");

    MainWindowState expected = before;
    if (GetParam().resetsProgress) expected.progress = 0;
    EXPECT_EQ(StateOf(run.MainWindow()), expected);
    EXPECT_FALSE(run.Process().HasEnded());
}

INSTANTIATE_TEST_SUITE_P(
    Openings, InfoDialog,
    testing::Values(
        InfoOpening{"InfoButton", [](BrenvaleRun& run) { Click(run.Control(IDC_INFO)); }, true},
        InfoOpening{"SystemMenuByKeyboard",
                    [](BrenvaleRun& run) { ChooseSystemMenuItem(run.MainWindow(), 'o'); }, false},
        InfoOpening{"SystemMenuCommand",
                    [](BrenvaleRun& run) { PostSystemCommand(run.MainWindow(), IDM_ABOUTBOX); },
                    false}),
    [](const testing::TestParamInfo<InfoOpening>& info) { return std::string(info.param.name); });

TEST(InfoDialogKeys, EscapeClosesOnlyTheInformationDialog) {
    BrenvaleRun run;
    run.Start();
    Click(run.Control(IDC_INFO));
    const HWND info = WaitForWindow(InfoDialogOf(run));
    PressKey(FocusIn(info), VK_ESCAPE);
    WaitForNoWindow(InfoDialogOf(run));
    WaitFor([&] { return IsEnabled(run.MainWindow()); }, "the main window to be enabled again");
    EXPECT_FALSE(run.Process().HasEnded());
}

}  // namespace
}  // namespace brenvale
