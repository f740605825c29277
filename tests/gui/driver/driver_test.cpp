// The GUI driver's own tests, against a small fixture dialog whose behaviour is known.
#include <gtest/gtest.h>

#include <memory>

#include "driver/controls.h"
#include "driver/dialog_units.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/outside.h"
#include "driver/process.h"
#include "driver/tooltip.h"
#include "driver/windows.h"
#include "fixture_ids.h"
#include "test_support.h"

namespace gui_driver {
namespace {

testing::AssertionResult Mentions(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\"" << text << "\" does not mention \"" << part << "\"";
}

// The fixture started from a copy of its own in a scratch folder.
class FixtureRun {
public:
    explicit FixtureRun(const std::string& arguments = "")
        : exe_(CopyProgram(WindowsPathOf(GUI_FIXTURE_EXE), dir_.Path(), "fixture.exe")),
          program_(exe_, "fixture.exe" + arguments, dir_.Path()),
          dialog_(WaitForWindow({program_.Id(), kDialogClass, "Driver Fixture", nullptr, ""})) {}

    Program& Process() { return program_; }
    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const { return WaitForControl(dialog_, id); }
    int FocusedId() const { return IdOf(FocusIn(dialog_)); }

private:
    testing_support::TempDir dir_;
    std::string exe_;
    Program program_;
    HWND dialog_;
};

TEST(GuiDriver, StartsTheProgramWithItsCommandLineExactly) {
    const std::string arguments = "  \"two  blanks\"\ttab  end ";
    FixtureRun run(arguments);
    EXPECT_EQ(TextOf(run.Control(IDC_NAME)), "fixture.exe" + arguments);
}

TEST(GuiDriver, ReadsTheStateOfControls) {
    FixtureRun run;
    struct Expected {
        int id;
        const char* className;
        const char* text;
        bool enabled;
    };
    const Expected controls[] = {
        {IDC_HELLO, "Button", "Say Hello", true},
        {IDC_CHECK, "Button", "Check", true},
        {IDC_DISABLED, "Button", "Disabled", false},
        {IDC_PROGRESS, "msctls_progress32", "", true},
        {IDOK, "Button", "OK", true},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.id);
        const HWND window = run.Control(control.id);
        EXPECT_EQ(ClassOf(window), control.className);
        EXPECT_EQ(TextOf(window), control.text);
        EXPECT_EQ(IsEnabled(window), control.enabled);
        EXPECT_EQ((StyleOf(window) & WS_DISABLED) != 0, !control.enabled);
    }
    EXPECT_EQ(TextOf(run.Dialog()), "Driver Fixture");
    EXPECT_EQ(run.FocusedId(), IDC_HELLO);
    EXPECT_EQ(CheckStateOf(run.Control(IDC_CHECK)), BST_UNCHECKED);
    EXPECT_EQ(StyleOf(run.Control(IDC_CHECK)) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(DefaultButtonIdOf(run.Dialog()), IDOK);
}

TEST(GuiDriver, ClicksTheCheckBoxOnAndOff) {
    FixtureRun run;
    const HWND check = run.Control(IDC_CHECK);
    Click(check);
    WaitUntilEquals([&] { return CheckStateOf(check); }, BST_CHECKED,
                    "the check box to be checked");
    Click(check);
    WaitUntilEquals([&] { return CheckStateOf(check); }, BST_UNCHECKED,
                    "the check box to be unchecked");
}

TEST(GuiDriver, RefusesToClickADisabledButton) {
    FixtureRun run;
    try {
        Click(run.Control(IDC_DISABLED));
        FAIL() << "the click on a disabled button was not refused";
    } catch (const DriverError& error) {
        EXPECT_TRUE(Mentions(error.what(), "control 1003"));
        EXPECT_TRUE(Mentions(error.what(), "disabled"));
    }
}

TEST(GuiDriver, TabsToTheEditAndTypesOverItsSelectedText) {
    FixtureRun run;
    const HWND edit = run.Control(IDC_NAME);
    PressKey(FocusIn(run.Dialog()), VK_TAB);
    WaitUntilEquals([&] { return run.FocusedId(); }, IDC_NAME, "the focus to reach the edit");
    const auto length = static_cast<DWORD>(TextOf(edit).size());
    EXPECT_EQ(SelectionOf(edit), (Selection{0, length}));
    TypeText(edit, "abc");
    WaitUntilEquals([&] { return TextOf(edit); }, std::string("abc"), "the typed text");
}

TEST(GuiDriver, SetsAndReadsTheProgressPosition) {
    FixtureRun run;
    const HWND progress = run.Control(IDC_PROGRESS);
    EXPECT_EQ(ProgressPositionOf(progress), 0);
    SetProgressPosition(progress, 7);
    EXPECT_EQ(ProgressPositionOf(progress), 7);
}

TEST(GuiDriver, ReadsAndAnswersAMessageBox) {
    FixtureRun run;
    Click(run.Control(IDC_HELLO));
    const auto box = WaitForMessageBox(run.Process().Id(), run.Dialog());
    EXPECT_EQ(box.caption, "Fixture");
    EXPECT_EQ(box.text, "Hello from the fixture");
    EXPECT_EQ(box.owner, run.Dialog());
    EXPECT_FALSE(box.showsIcon);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(IsEnabled(run.Dialog()));
    PressOk(box);
    WaitFor([&] { return IsEnabled(run.Dialog()); }, "the dialog to be enabled again");
}

TEST(GuiDriver, ChoosesASystemMenuEntryByItsMnemonic) {
    FixtureRun run;
    ChooseSystemMenuItem(run.Dialog(), 't');
    const auto box = WaitForMessageBox(run.Process().Id(), run.Dialog());
    EXPECT_EQ(box.text, "Told");
    EXPECT_TRUE(box.showsIcon);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDOK, IDCANCEL}));
    PressOk(box);
}

TEST(GuiDriver, ReadsTheTooltipOfAControl) {
    FixtureRun run;
    EXPECT_EQ(ReadTooltip(run.Dialog(), run.Control(IDC_HELLO)), "Says hello");
}

TEST(GuiDriver, PlacesControlsAtTheirDialogUnits) {
    FixtureRun run;
    const BaseUnits units = DialogBaseUnitsOf("MS Sans Serif", 8);
    const RECT expected = DialogUnitsToPixels(10, 30, 180, 13, units);
    const RECT actual = RectIn(run.Control(IDC_NAME), run.Dialog());
    EXPECT_NEAR(actual.left, expected.left, 1);
    EXPECT_NEAR(actual.top, expected.top, 1);
    EXPECT_NEAR(actual.right, expected.right, 1);
    EXPECT_NEAR(actual.bottom, expected.bottom, 1);
}

// Under Wine the folders and files come from a Linux program; what it made is there, with
// the bytes and times given, also below folders that did not exist yet.
TEST(GuiDriver, MakesFoldersAndFilesOutsideAndRemovesAFolder) {
    EXPECT_TRUE(CanWorkOutside());  // the tests run under Wine
    testing_support::TempDir dir;
    const std::string card = dir.PathOf("card\\DCIM\\100CANON");
    MakeFoldersOutside(card);
    WriteFilesOutside(card, {"IMG_0001.JPG", "IMG_0002.JPG"}, std::string("\xFF\xD8\0x", 4));
    EXPECT_EQ(dir.Read("card/DCIM/100CANON/IMG_0002.JPG"), std::string("\xFF\xD8\0x", 4));
    EXPECT_EQ(dir.Read("card/DCIM/100CANON/IMG_0001.JPG"), std::string("\xFF\xD8\0x", 4));
    EXPECT_FALSE(dir.Exists("card/DCIM/100CANON.bytes"));
    BackdateOutside(card, 120);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(GetFileAttributesExA(card.c_str(), GetFileExInfoStandard, &data));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const auto minutes = [](const FILETIME& t) {
        return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 600000000;
    };
    EXPECT_NEAR(static_cast<double>(minutes(now) - minutes(data.ftLastWriteTime)), 120, 1);
    MakeFoldersOutside(dir.PathOf("card\\DCIM\\empty"));
    RemoveFolderOutside(dir.PathOf("card\\DCIM\\empty"));
    EXPECT_FALSE(dir.Exists("card/DCIM/empty"));
    EXPECT_THROW(RemoveFolderOutside(card), DriverError);  // not empty
}

TEST(GuiDriver, TimeoutNamesWhatWasAwaited) {
    FixtureRun run;
    try {
        WaitForControl(run.Dialog(), 4242, Milliseconds(50));
        FAIL() << "no timeout";
    } catch (const DriverError& error) {
        EXPECT_TRUE(Mentions(error.what(), "control 4242"));
        EXPECT_TRUE(Mentions(error.what(), "Driver Fixture"));
    }
}

TEST(GuiDriver, EndsItsChildWhenTheTestLeavesItRunning) {
    DWORD processId = 0;
    OwnedHandle process;
    {
        FixtureRun run;
        processId = run.Process().Id();
        process = OwnedHandle(OpenProcess(SYNCHRONIZE, FALSE, processId));
        ASSERT_TRUE(process) << "cannot open process " << processId;
        ASSERT_FALSE(run.Process().HasEnded());
    }
    EXPECT_EQ(WaitForSingleObject(process.Get(), 0), WAIT_OBJECT_0);
}

// The ways to close the fixture and the exit code each gives.
struct Ending {
    const char* name;
    void (*close)(FixtureRun&);
    DWORD exitCode;
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

// Enter on a focused push button would click that button; in the edit it means OK.
void PressEnterInTheEdit(FixtureRun& run) {
    PressKey(FocusIn(run.Dialog()), VK_TAB);
    WaitUntilEquals([&] { return run.FocusedId(); }, IDC_NAME, "the focus to reach the edit");
    PressKey(run.Control(IDC_NAME), VK_RETURN);
}

class GuiDriverEnding : public testing::TestWithParam<Ending> {};

TEST_P(GuiDriverEnding, WaitsForTheEndAndItsExitCode) {
    FixtureRun run;
    GetParam().close(run);
    EXPECT_EQ(run.Process().WaitForExit(), GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, GuiDriverEnding,
    testing::Values(
        Ending{"OkButton", [](FixtureRun& run) { Click(run.Control(IDOK)); }, FIXTURE_EXIT_OK},
        Ending{"EnterInTheEdit", [](FixtureRun& run) { PressEnterInTheEdit(run); },
               FIXTURE_EXIT_OK},
        Ending{"Escape", [](FixtureRun& run) { PressKey(FocusIn(run.Dialog()), VK_ESCAPE); },
               FIXTURE_EXIT_CANCEL},
        Ending{"Close", [](FixtureRun& run) { CloseWindowOf(run.Dialog()); }, FIXTURE_EXIT_CANCEL}),
    [](const testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gui_driver
