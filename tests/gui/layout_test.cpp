// The dialogs as their templates lay them out: read from the exe's resources, and read
// back from the running main window, where each control must stand at its place in pixels
// worked out here from the dialog units and the dialog's font.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/dialog_template.h"
#include "driver/dialog_units.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

// One control as its dialog template holds it.
struct ControlRow {
    int id;
    const char* className;
    const char* text;  // in the template; null where any text will do
    DWORD style;       // the whole style word
    DWORD exStyle;
    short x, y, cx, cy;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kStatic = -1;  // IDC_STATIC

// The main window, in template order, which is also the tab order.
const ControlRow kMainRows[] = {
    {IDC_OPEN_CAMERA, "Button", "Open Camera", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 45, 16, 50,
     14},
    {IDC_TITLE, "Edit", "", kChild | ES_LEFT | WS_BORDER | ES_AUTOHSCROLL, 0, 89, 57, 68, 14},
    {IDC_SAVE_ON_PC, "Button", "Save On PC", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 141, 16, 50,
     14},
    {IDC_EXIT, "Button", "Exit", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 159, 113, 50, 14},
    {IDC_INFO, "Button", "Info", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 28, 113, 50, 14},
    {IDC_TITLE_LABEL, "Static", "Title", kChild | SS_LEFT | WS_GROUP, 0, 67, 60, 14, 8},
    {IDC_DATE_LABEL, "Static", "Date", kChild | SS_LEFT | WS_GROUP, 0, 42, 86, 16, 8},
    {IDC_DATE, "Edit", "", kChild | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 63, 84,
     67, 13},
    {IDC_LONG_DATE, "Button", "Long Date?", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 145, 85, 53,
     10},
    {IDC_FRAME, "Button", "", kChild | BS_GROUPBOX, WS_EX_DLGMODALFRAME, 2, 2, 238, 139},
    {IDC_PROGRESS, PROGRESS_CLASSA, "Progress1", kChild | WS_BORDER, 0, 83, 38, 80, 9},
};

// The information dialog; the text of its third control is free.
const ControlRow kAboutRows[] = {
    {kStatic, "Static", "#128", kChild | SS_ICON, 0, 11, 17, 20, 20},
    {kStatic, "Static", "Brenvale Version 2.5", kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 40,
     10, 119, 8},
    {kStatic, "Static", nullptr, kChild | SS_LEFT | WS_GROUP, 0, 40, 25, 87, 18},
    {IDOK, "Button", "Exit", kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 143, 34, 50, 14},
};

// What the running main window shows in place of the template's empty edits.
const char* ShownText(const ControlRow& row) {
    if (row.id == IDC_TITLE) return "picture";
    if (row.id == IDC_DATE) return "Date of foto";
    return row.text;
}

// Window class names do not depend on case.
bool SameClass(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

void ExpectFontIsMsSansSerif8(const DialogTemplate& dialog) {
    EXPECT_EQ(dialog.fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog.pointSize, 8);
    // A weight of 0 leaves it to the font, which is normal.
    EXPECT_TRUE(dialog.weight == FW_DONTCARE || dialog.weight == FW_NORMAL) << dialog.weight;
    EXPECT_FALSE(dialog.italic);
    EXPECT_EQ(static_cast<int>(dialog.charset), DEFAULT_CHARSET) << "the character set";
}

void ExpectControlsAsRows(const DialogTemplate& dialog, const std::vector<ControlRow>& rows) {
    ASSERT_EQ(dialog.controls.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        const TemplateControl& control = dialog.controls[i];
        SCOPED_TRACE("template control #" + std::to_string(i + 1));
        EXPECT_EQ(LOWORD(control.id), LOWORD(row.id));
        EXPECT_TRUE(SameClass(control.className, row.className))
            << control.className << " is not " << row.className;
        if (row.text) {
            EXPECT_EQ(control.text, row.text);
        }
        EXPECT_EQ(control.style, row.style) << std::hex << control.style << " != " << row.style;
        EXPECT_EQ(control.exStyle, row.exStyle);
        EXPECT_EQ(std::vector<short>({control.x, control.y, control.cx, control.cy}),
                  std::vector<short>({row.x, row.y, row.cx, row.cy}));
    }
}

TEST(Layout, MainWindowTemplate) {
    const DialogTemplate dialog = ReadDialogTemplate(BuiltExe(), IDD_MAIN, kResourceLanguage);
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(dialog.title, "Brenvale");
    EXPECT_EQ(dialog.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                               DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(std::vector<short>({dialog.x, dialog.y, dialog.cx, dialog.cy}),
              std::vector<short>({0, 0, 242, 143}));
    ExpectFontIsMsSansSerif8(dialog);
    ExpectControlsAsRows(dialog, {std::begin(kMainRows), std::end(kMainRows)});
}

TEST(Layout, InformationDialogTemplate) {
    const DialogTemplate dialog = ReadDialogTemplate(BuiltExe(), IDD_ABOUTBOX, kResourceLanguage);
    EXPECT_EQ(dialog.title, "Info Brenvale");
    EXPECT_EQ(dialog.style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(std::vector<short>({dialog.x, dialog.y, dialog.cx, dialog.cy}),
              std::vector<short>({0, 0, 200, 55}));
    ExpectFontIsMsSansSerif8(dialog);
    ExpectControlsAsRows(dialog, {std::begin(kAboutRows), std::end(kAboutRows)});
}

void ExpectNear(const RECT& actual, const RECT& expected, int tolerance) {
    EXPECT_NEAR(actual.left, expected.left, tolerance);
    EXPECT_NEAR(actual.top, expected.top, tolerance);
    EXPECT_NEAR(actual.right, expected.right, tolerance);
    EXPECT_NEAR(actual.bottom, expected.bottom, tolerance);
}

TEST(Layout, RunningMainWindowHasItsControlsInPlace) {
    BrenvaleRun run;
    run.Start();
    const HWND main = run.MainWindow();
    // With the focus on an edit, the dialog's own default button shows as the default.
    MoveFocusTo(main, run.Control(IDC_DATE));
    ASSERT_EQ(run.FocusedId(), IDC_DATE);

    const BaseUnits units = DialogBaseUnitsOf("MS Sans Serif", 8);
    const std::vector<HWND> children = ChildrenOf(main);
    ASSERT_EQ(children.size(), std::size(kMainRows));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kMainRows[i];
        const HWND control = children[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", id " + std::to_string(row.id));
        EXPECT_EQ(IdOf(control), row.id);
        EXPECT_TRUE(SameClass(ClassOf(control), row.className)) << ClassOf(control);
        EXPECT_EQ(TextOf(control), ShownText(row));

        // The system shows WS_BORDER on a control as a sunken edge (edits) or as the
        // control's own frame (the progress bar). Save On PC starts disabled.
        const DWORD disabled = row.id == IDC_SAVE_ON_PC ? WS_DISABLED : 0;
        const auto style = static_cast<DWORD>(StyleOf(control));
        EXPECT_EQ(style & ~WS_BORDER, (row.style & ~WS_BORDER) | disabled)
            << std::hex << style << " for " << row.style;
        if ((row.style & WS_BORDER) && ClassOf(control) == "Edit") {
            EXPECT_TRUE((style & WS_BORDER) || (ExStyleOf(control) & WS_EX_CLIENTEDGE));
        }
        EXPECT_EQ(ExStyleOf(control) & WS_EX_DLGMODALFRAME, row.exStyle & WS_EX_DLGMODALFRAME);

        ExpectNear(RectIn(control, main), DialogUnitsToPixels(row.x, row.y, row.cx, row.cy, units),
                   1);
    }

    const SIZE client = ClientSizeOf(main);
    const RECT expected = DialogUnitsToPixels(0, 0, 242, 143, units);
    EXPECT_NEAR(client.cx, expected.right, 1);
    EXPECT_NEAR(client.cy, expected.bottom, 1);
    const LONG style = StyleOf(main);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_TRUE(ExStyleOf(main) & WS_EX_APPWINDOW);
    EXPECT_EQ(DefaultButtonIdOf(main), IDC_EXIT);
}

}  // namespace
}  // namespace brenvale
