// The main window as the user finds it at start, and what its controls do without photos:
// the two button states, the Long Date? check box, the tab order.
#include <gtest/gtest.h>

#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

TEST(MainWindow, StartedWithoutArgumentsIsReadyToOpen) {
    BrenvaleRun run;
    run.Start();
    struct Expected {
        int id;
        const char* text;
        bool enabled;
    };
    const Expected controls[] = {
        {IDC_OPEN_CAMERA, "Open Camera", true},
        {IDC_SAVE_ON_PC, "Save On PC", false},
        {IDC_TITLE, "picture", true},
        {IDC_DATE, "Date of foto", true},
        {IDC_LONG_DATE, "Long Date?", true},
        {IDC_INFO, "Info", true},
        {IDC_EXIT, "Exit", true},
    };
    for (const Expected& expected : controls) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        const HWND control = run.Control(expected.id);
        EXPECT_EQ(TextOf(control), expected.text);
        EXPECT_EQ(IsEnabled(control), expected.enabled);
    }
    EXPECT_EQ(TextOf(run.MainWindow()), "Brenvale");
    EXPECT_EQ(run.FocusedId(), IDC_OPEN_CAMERA);
    EXPECT_EQ(CheckStateOf(run.Control(IDC_LONG_DATE)), BST_UNCHECKED);
    const HWND progress = run.Control(IDC_PROGRESS);
    EXPECT_EQ(ProgressPositionOf(progress), 0);
    EXPECT_EQ(ProgressRangeOf(progress).low, 0);
    EXPECT_EQ(ProgressRangeOf(progress).high, 10);
}

TEST(MainWindow, StartedWithAPhotoIsReadyToSaveWithTheTitleSelected) {
    BrenvaleRun run;
    run.Start(run.WritePhoto("IMG_0001.JPG"));
    EXPECT_FALSE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    EXPECT_TRUE(IsEnabled(run.Control(IDC_SAVE_ON_PC)));
    EXPECT_EQ(run.FocusedId(), IDC_TITLE);
    EXPECT_EQ(SelectionOf(run.Control(IDC_TITLE)), (Selection{0, 7}));  // all of "picture"
    TypeText(run.Control(IDC_TITLE), "Holiday");
    WaitUntilEquals([&] { return TextOf(run.Control(IDC_TITLE)); }, std::string("Holiday"),
                    "the typed title to replace \"picture\"");

    // The photo's folder becomes the remembered source folder.
    Click(run.Control(IDC_EXIT));
    run.Process().WaitForExit();
    EXPECT_EQ(run.Settings(), "[source]\r\n" + run.PhotoFolder() + "\\\r\n[dest]\r\n\r\n");
}

TEST(MainWindow, LongDateIsCheckedByOneClickAndUncheckedByTheNext) {
    BrenvaleRun run;
    run.Start();
    const HWND longDate = run.Control(IDC_LONG_DATE);
    for (const int expected : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}) {
        Click(longDate);
        WaitUntilEquals([&] { return CheckStateOf(longDate); }, expected,
                        "Long Date? to change its check mark");
    }
}

TEST(MainWindow, TabGoesRoundTheControlsWithoutTheTitle) {
    BrenvaleRun run;
    run.Start();
    ASSERT_EQ(run.FocusedId(), IDC_OPEN_CAMERA);
    // Save On PC is disabled and skipped; the title edit is no tab stop.
    const std::vector<int> expected = {IDC_EXIT,        IDC_INFO,       IDC_DATE, IDC_LONG_DATE,
                                       IDC_OPEN_CAMERA, IDC_EXIT,       IDC_INFO, IDC_DATE,
                                       IDC_LONG_DATE,   IDC_OPEN_CAMERA};
    std::vector<int> visited;
    for (size_t i = 0; i < expected.size(); ++i) {
        const HWND focus = FocusIn(run.MainWindow());
        PressKey(focus, VK_TAB);
        WaitFor([&] { return FocusIn(run.MainWindow()) != focus; },
                "Tab to move the focus away from " + Describe(focus));
        visited.push_back(run.FocusedId());
    }
    EXPECT_EQ(visited, expected);
}

TEST(MainWindow, TheTitleTakesTheFocusFromAMouseClick) {
    BrenvaleRun run;
    run.Start();
    ClickWithMouse(run.Control(IDC_TITLE));
    WaitUntilEquals([&] { return run.FocusedId(); }, IDC_TITLE, "the title edit to have the focus");
}

}  // namespace
}  // namespace brenvale
