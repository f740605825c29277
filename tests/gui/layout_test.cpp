// Brenvale's windows as the user sees them at a display scale of 100, 150 and 200 %: every
// control of the main window and of the information dialog at its place in pixels, worked
// out here from its dialog units and the dialog font at that scale, with its text whole;
// the tips as wide as the scale makes them; and the folder chooser's margins grown with it.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/dialog_units.h"
#include "driver/display_scale.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

constexpr char kFont[] = "MS Sans Serif";
constexpr int kPointSize = 8;
constexpr int kMainWidthUnits = 242;
constexpr int kMainHeightUnits = 143;

// One control as the user finds it, in tab order.
struct ControlRow {
    int id;
    const char* className;
    const char* text;  // null where any text will do
    DWORD style;       // the whole style word
    DWORD exStyle;
    short x, y, cx, cy;  // in dialog units
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kStatic = -1;  // IDC_STATIC

const ControlRow kMainRows[] = {
    {IDC_OPEN_CAMERA, "Button", "Open Camera", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 45, 16, 50,
     14},
    {IDC_TITLE, "Edit", "picture", kChild | ES_LEFT | WS_BORDER | ES_AUTOHSCROLL, 0, 89, 57, 68,
     14},
    {IDC_SAVE_ON_PC, "Button", "Save On PC", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 141, 16, 50,
     14},
    {IDC_EXIT, "Button", "Exit", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 159, 113, 50, 14},
    {IDC_INFO, "Button", "Info", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 28, 113, 50, 14},
    {IDC_TITLE_LABEL, "Static", "Title", kChild | SS_LEFT | WS_GROUP, 0, 67, 60, 14, 8},
    {IDC_DATE_LABEL, "Static", "Date", kChild | SS_LEFT | WS_GROUP, 0, 42, 86, 16, 8},
    {IDC_DATE, "Edit", "Date of foto", kChild | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
     0, 63, 84, 67, 13},
    {IDC_LONG_DATE, "Button", "Long Date?", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 145, 85, 53,
     10},
    {IDC_FRAME, "Button", "", kChild | BS_GROUPBOX, WS_EX_DLGMODALFRAME, 2, 2, 238, 139},
    {IDC_PROGRESS, PROGRESS_CLASSA, "Progress1", kChild | WS_BORDER, 0, 83, 38, 80, 9},
};

const ControlRow kAboutRows[] = {
    {kStatic, "Static", nullptr, kChild | SS_ICON, 0, 11, 17, 20, 20},
    {kStatic, "Static", "Brenvale Version 2.5", kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 40,
     10, 119, 8},
    {kStatic, "Static", nullptr, kChild | SS_LEFT | WS_GROUP, 0, 40, 25, 87, 18},
    {IDOK, "Button", "Exit", kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 143, 34, 50, 14},
};

struct Scale {
    int dpi;
    int iconSize;  // the program's icon, square
    // Under Wine the dialog font, "MS Sans Serif" at 8 points, comes out no larger at 200 %
    // than at 150 %: the window grows with its font, not further.
    bool fontGrowsWithIt;
    int tipWidth;
    // The folder chooser's margins around its tree and buttons, and the gap between OK and
    // Cancel: 5 and 10 pixels at 100 %.
    int chooserMargin;
    int chooserGap;
};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.dpi << " dpi";
}

// Window class names do not depend on case.
bool SameClass(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool IsIcon(const std::string& className, DWORD style) {
    return SameClass(className, "Static") && (style & SS_TYPEMASK) == SS_ICON;
}

// How much room a control's own drawing leaves its text, at `dpi`.
int TextRoomOf(HWND control, int width, int dpi) {
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    if (ClassOf(control) == "Edit") return width - 2 * scaled(3);  // the sunken edge, margins
    if (ClassOf(control) != "Button") return width;  // a static's text has the whole control
    if ((StyleOf(control) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        return width - scaled(13) - scaled(4);  // the check box and the gap after it
    }
    return width - 2 * scaled(3);  // the button's raised edge and focus frame
}

// No line of the control's text is cut: each fits it in the dialog's font at `dpi`.
void ExpectTextFits(HWND control, int dpi) {
    const std::string text = TextOf(control);
    // The progress bar and an icon show no text.
    if (text.empty() || ClassOf(control) == PROGRESS_CLASSA ||
        IsIcon(ClassOf(control), StyleOf(control))) {
        return;
    }
    const RECT rect = RectIn(control, GetParent(control));
    int lines = 0;
    for (size_t start = 0; start <= text.size(); ++lines) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        const SIZE extent = TextExtentIn(kFont, kPointSize, dpi, line);
        EXPECT_LE(extent.cx, TextRoomOf(control, rect.right - rect.left, dpi)) << line;
        EXPECT_LE(extent.cy * (lines + 1), rect.bottom - rect.top) << line;
        start = end + 1;
    }
}

void ExpectNear(const RECT& actual, const RECT& expected, int tolerance) {
    EXPECT_NEAR(actual.left, expected.left, tolerance);
    EXPECT_NEAR(actual.top, expected.top, tolerance);
    EXPECT_NEAR(actual.right, expected.right, tolerance);
    EXPECT_NEAR(actual.bottom, expected.bottom, tolerance);
}

// The dialog's controls as the rows say, each with its text whole; an icon at its place in
// its own size. `disabledId` is the one control the window shows disabled.
void ExpectControlsAsRows(HWND dialog, const std::vector<ControlRow>& rows, const Scale& scale,
                          int disabledId = 0) {
    const int dpi = scale.dpi;
    const BaseUnits units = DialogBaseUnitsOf(kFont, kPointSize, dpi);
    const std::vector<HWND> children = ChildrenOf(dialog);
    ASSERT_EQ(children.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        const HWND control = children[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", " + Describe(control));
        EXPECT_EQ(LOWORD(IdOf(control)), LOWORD(row.id));
        EXPECT_TRUE(SameClass(ClassOf(control), row.className)) << ClassOf(control);
        if (row.text) {
            EXPECT_EQ(TextOf(control), row.text);
        }

        // The system shows WS_BORDER on a control as a sunken edge (edits) or as the
        // control's own frame (the progress bar).
        const DWORD disabled = row.id == disabledId ? WS_DISABLED : 0;
        const auto style = static_cast<DWORD>(StyleOf(control));
        EXPECT_EQ(style & ~WS_BORDER, (row.style & ~WS_BORDER) | disabled)
            << std::hex << style << " for " << row.style;
        if ((row.style & WS_BORDER) && ClassOf(control) == "Edit") {
            EXPECT_TRUE((style & WS_BORDER) || (ExStyleOf(control) & WS_EX_CLIENTEDGE));
        }
        EXPECT_EQ(ExStyleOf(control) & WS_EX_DLGMODALFRAME, row.exStyle & WS_EX_DLGMODALFRAME);

        RECT place = DialogUnitsToPixels(row.x, row.y, row.cx, row.cy, units);
        if (IsIcon(row.className, row.style)) {
            place.right = place.left + scale.iconSize;
            place.bottom = place.top + scale.iconSize;
        }
        ExpectNear(RectIn(control, dialog), place, 1);
        ExpectTextFits(control, dpi);
    }
}

void ExpectMainWindowAtScale(BrenvaleRun& run, const Scale& scale) {
    const HWND main = run.MainWindow();
    // With the focus on an edit, the dialog's own default button shows as the default.
    MoveFocusTo(main, run.Control(IDC_DATE));
    ASSERT_EQ(run.FocusedId(), IDC_DATE);
    // Photos were given: Open Camera is the one control disabled.
    ExpectControlsAsRows(main, {std::begin(kMainRows), std::end(kMainRows)}, scale,
                         IDC_OPEN_CAMERA);

    // The window as its template lays it out in the font at this scale, which is the
    // window at 100 % times the scale within what whole pixels of the font allow.
    const RECT expected = DialogUnitsToPixels(0, 0, kMainWidthUnits, kMainHeightUnits,
                                              DialogBaseUnitsOf(kFont, kPointSize, scale.dpi));
    const SIZE client = ClientSizeOf(main);
    EXPECT_NEAR(client.cx, expected.right, 1);
    EXPECT_NEAR(client.cy, expected.bottom, 1);
    if (scale.fontGrowsWithIt) {
        // Whole pixels of the font's height make the window up to a few percent taller.
        const RECT at100 = DialogUnitsToPixels(0, 0, kMainWidthUnits, kMainHeightUnits,
                                               DialogBaseUnitsOf(kFont, kPointSize, 96));
        const double factor = scale.dpi / 96.0;
        EXPECT_NEAR(client.cx, at100.right * factor, 3);
        EXPECT_GE(client.cy, at100.bottom * factor - 3);
        EXPECT_LE(client.cy, at100.bottom * factor * 1.04);
    }
    const LONG style = StyleOf(main);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_TRUE(ExStyleOf(main) & WS_EX_APPWINDOW);
    EXPECT_EQ(DefaultButtonIdOf(main), IDC_EXIT);
    EXPECT_EQ(AskWindow(run.Tooltips(), TTM_GETMAXTIPWIDTH), scale.tipWidth);
}

void ExpectInformationDialogAtScale(BrenvaleRun& run, const Scale& scale) {
    Click(run.Control(IDC_INFO));
    const HWND about = WaitForWindow({run.Process().Id(), kDialogClass, "Info Brenvale",
                                      run.MainWindow(), "the information dialog"});
    ExpectControlsAsRows(about, {std::begin(kAboutRows), std::end(kAboutRows)}, scale);
    Click(WaitForControl(about, IDOK));
}

void ExpectFolderChooserAtScale(BrenvaleRun& run, const Scale& scale) {
    const HWND chooser = run.OpenFolderChooser();
    const FolderChooserLayoutView seen = LayoutOf(chooser);
    const LONG w = seen.client.cx;
    const LONG h = seen.client.cy;
    const int margin = scale.chooserMargin;
    EXPECT_EQ(seen.cancel.right, w - margin);
    EXPECT_EQ(seen.cancel.bottom, h - margin);
    EXPECT_EQ(seen.ok.right + scale.chooserGap, seen.cancel.left);
    EXPECT_EQ(seen.ok.top, seen.cancel.top);
    EXPECT_EQ(seen.ok.right - seen.ok.left, seen.cancel.right - seen.cancel.left);
    EXPECT_EQ(std::vector<LONG>({seen.tree.left, seen.tree.top, seen.tree.right, seen.tree.bottom}),
              std::vector<LONG>({margin, margin, w - margin, seen.ok.top - margin}));
    Click(WaitForControl(chooser, IDCANCEL));
    PressOk(WaitForMessageBox(run.Process().Id(), run.MainWindow()));
}

class LayoutAtScale : public testing::TestWithParam<Scale> {};

TEST_P(LayoutAtScale, EveryWindowShowsItsControlsInPlaceWithTheirTextsWhole) {
    const DisplayScale display(GetParam().dpi);
    BrenvaleRun run;
    run.Start("\"" + run.WritePhoto("IMG_0001.JPG") + "\"");
    {
        SCOPED_TRACE("the main window");
        ExpectMainWindowAtScale(run, GetParam());
    }
    {
        SCOPED_TRACE("the information dialog");
        ExpectInformationDialogAtScale(run, GetParam());
    }
    {
        SCOPED_TRACE("the folder chooser");
        ExpectFolderChooserAtScale(run, GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, LayoutAtScale,
                         testing::Values(Scale{96, 32, true, 200, 5, 10},
                                         Scale{144, 48, true, 300, 8, 15},
                                         Scale{192, 64, false, 400, 10, 20}),
                         [](const testing::TestParamInfo<Scale>& info) {
                             return std::to_string(info.param.dpi * 100 / 96) + "Percent";
                         });

}  // namespace
}  // namespace brenvale
