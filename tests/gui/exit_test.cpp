// Leaving Brenvale: the ways that rewrite the settings file with the folders read at start,
// and Escape, which leaves it as it was. The process ends every time.
#include <gtest/gtest.h>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"

namespace brenvale {
namespace {

using namespace gui_driver;

// Written by hand or by another program: LF line ends, the entries in the other order,
// lines around them.
const char kSettingsBefore[] =
    "; remembered folders\n"
    "[dest]\n"
    "D:\\Pictures\\\n"
    "\n"
    "[source]\n"
    "E:\\DCIM\\100CANON\\\n"
    "last line";
const char kSettingsRewritten[] =
    "[source]\r\nE:\\DCIM\\100CANON\\\r\n[dest]\r\nD:\\Pictures\\\r\n";

struct Leaving {
    const char* name;
    void (*leave)(BrenvaleRun&);
    bool rewritesSettings;
};

void PrintTo(const Leaving& leaving, std::ostream* out) {
    *out << leaving.name;
}

class Exit : public testing::TestWithParam<Leaving> {};

TEST_P(Exit, EndsTheProgramAndRewritesTheSettingsOrNot) {
    BrenvaleRun run;
    run.WriteSettings(kSettingsBefore);
    run.Start();
    run.MainWindow();
    GetParam().leave(run);
    run.Process().WaitForExit();
    const std::string expected = GetParam().rewritesSettings ? kSettingsRewritten : kSettingsBefore;
    EXPECT_EQ(run.Settings(), expected);
    EXPECT_FALSE(run.CurrentFolderHasSettings());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Exit,
    testing::Values(
        Leaving{"ExitButton", [](BrenvaleRun& run) { Click(run.Control(IDC_EXIT)); }, true},
        Leaving{"EnterInTheDateEdit",
                [](BrenvaleRun& run) {
                    run.TabTo(IDC_DATE);
                    PressKey(run.Control(IDC_DATE), VK_RETURN);
                },
                true},
        Leaving{"EnterInTheTitleEdit",
                [](BrenvaleRun& run) {
                    MoveFocusTo(run.MainWindow(), run.Control(IDC_TITLE));
                    WaitUntilEquals([&] { return run.FocusedId(); }, IDC_TITLE,
                                    "the title edit to have the focus");
                    PressKey(run.Control(IDC_TITLE), VK_RETURN);
                },
                true},
        Leaving{"CloseMessage", [](BrenvaleRun& run) { CloseWindowOf(run.MainWindow()); }, true},
        Leaving{"CloseInTheSystemMenu",
                [](BrenvaleRun& run) { PostSystemCommand(run.MainWindow(), SC_CLOSE); }, true},
        Leaving{"Escape", [](BrenvaleRun& run) { PressKey(FocusIn(run.MainWindow()), VK_ESCAPE); },
                false}),
    [](const testing::TestParamInfo<Leaving>& info) { return std::string(info.param.name); });

TEST(ExitWithoutSettings, TheExitButtonCreatesTheSettingsFileWithEmptyFolders) {
    BrenvaleRun run;
    run.Start();
    Click(run.Control(IDC_EXIT));
    run.Process().WaitForExit();
    EXPECT_EQ(run.Settings(), "[source]\r\n\r\n[dest]\r\n\r\n");
}

TEST(ExitWithoutSettings, EscapeCreatesNoSettingsFile) {
    BrenvaleRun run;
    run.Start();
    PressKey(FocusIn(run.MainWindow()), VK_ESCAPE);
    run.Process().WaitForExit();
    EXPECT_EQ(run.Settings(), std::nullopt);
}

}  // namespace
}  // namespace brenvale
