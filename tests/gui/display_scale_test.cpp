// Brenvale on today's Windows: it loads the common controls of version 6, works at the
// scale of each monitor, and its window, texts and tooltips grow with the display's scale.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>
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
#include "driver/remote_buffer.h"
#include "driver/wait.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

constexpr char kFont[] = "MS Sans Serif";
constexpr int kPointSize = 8;
constexpr int kMainWidthUnits = 242;
constexpr int kMainHeightUnits = 143;
constexpr int kTipWidthAt96 = 200;
constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

struct Module {
    std::string path;
    HMODULE base;
};

// The modules the program has loaded, with their full paths.
std::vector<Module> ModulesOf(DWORD processId) {
    const OwnedHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    std::vector<HMODULE> bases(1024);
    DWORD bytes = 0;
    if (!EnumProcessModules(process.Get(), bases.data(),
                            static_cast<DWORD>(bases.size() * sizeof(HMODULE)), &bytes)) {
        throw DriverError("cannot list the program's modules");
    }
    bases.resize(std::min<size_t>(bases.size(), bytes / sizeof(HMODULE)));
    std::vector<Module> modules;
    for (HMODULE base : bases) {
        char path[MAX_PATH] = "";
        if (GetModuleFileNameExA(process.Get(), base, path, MAX_PATH) > 0) {
            modules.push_back({Lower(path), base});
        }
    }
    return modules;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The program's own modules named `name` ("\\comctl32.dll"), in lower case.
std::vector<Module> ModulesNamed(DWORD processId, const std::string& name) {
    std::vector<Module> found;
    for (const Module& module : ModulesOf(processId)) {
        if (EndsWith(module.path, name)) found.push_back(module);
    }
    return found;
}

template <typename Call>
Call User32Call(const char* name) {
    const auto call = reinterpret_cast<Call>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
    if (!call) throw DriverError(std::string("user32 has no ") + name);
    return call;
}

HWND TooltipsOf(BrenvaleRun& run) {
    return WaitForWindow({run.Process().Id(), TOOLTIPS_CLASSA, std::nullopt, run.MainWindow(),
                          "the tooltip control of the main window", false});
}

// The DPI awareness context that a thread of the program reports of itself: a thread
// started in it runs GetThreadDpiAwarenessContext, whose answer is the thread's exit code.
// A new thread starts with the program's awareness, the one its manifest declares.
HANDLE ThreadAwarenessContextIn(DWORD processId) {
    const std::vector<Module> remote = ModulesNamed(processId, "\\user32.dll");
    if (remote.size() != 1) throw DriverError("the program has not loaded user32.dll once");
    const HMODULE local = GetModuleHandleA("user32.dll");
    const auto call = reinterpret_cast<const char*>(
        reinterpret_cast<void*>(GetProcAddress(local, "GetThreadDpiAwarenessContext")));
    if (!call) throw DriverError("user32 has no GetThreadDpiAwarenessContext");
    // The same DLL in the program, at the same offset from its base.
    const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(const_cast<char*>(reinterpret_cast<const char*>(remote[0].base) +
                                                  (call - reinterpret_cast<const char*>(local)))));

    const OwnedHandle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                              PROCESS_VM_OPERATION | PROCESS_VM_WRITE |
                                              PROCESS_VM_READ,
                                          FALSE, processId));
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    const OwnedHandle thread(
        CreateRemoteThread(process.Get(), nullptr, 0, start, nullptr, 0, nullptr));
    if (!thread) throw DriverError("cannot start a thread in the program");
    if (WaitForSingleObject(thread.Get(), static_cast<DWORD>(kDefaultTimeout.count())) !=
        WAIT_OBJECT_0) {
        throw DriverError(TimeoutText("the program's thread to answer", kDefaultTimeout));
    }
    DWORD context = 0;
    GetExitCodeThread(thread.Get(), &context);
    // The contexts are small constants, the same in every process.
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(context));
}

TEST(CurrentWindows, TheProgramWorksAtTheScaleOfEachMonitor) {
    BrenvaleRun run;
    run.Start();
    run.MainWindow();
    using GetAwareness = int(WINAPI*)(HANDLE);
    const auto awarenessOf = User32Call<GetAwareness>("GetAwarenessFromDpiAwarenessContext");
    const HANDLE ctx = ThreadAwarenessContextIn(run.Process().Id());
    EXPECT_EQ(awarenessOf(ctx), kPerMonitorAware);
}

TEST(CurrentWindows, TheProgramLoadsTheCommonControlsOfVersion6) {
    BrenvaleRun run;
    run.Start();
    run.MainWindow();  // its progress bar and tooltips are made: the controls are loaded
    const std::vector<Module> loaded = ModulesNamed(run.Process().Id(), "\\comctl32.dll");
    ASSERT_EQ(loaded.size(), 1u) << "comctl32.dll loaded once";
    // The side-by-side store's version 6, not the old one of the system folder.
    const std::string& path = loaded[0].path;
    EXPECT_NE(path.find("\\winsxs\\"), std::string::npos) << path;
    EXPECT_NE(path.find("common-controls"), std::string::npos) << path;
    EXPECT_NE(path.find("_6.0."), std::string::npos) << path;
}

// How much room a control's own drawing leaves its text, at `dpi`.
int TextRoomOf(int id, int width, int dpi) {
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    switch (id) {
        case IDC_OPEN_CAMERA:
        case IDC_SAVE_ON_PC:
        case IDC_EXIT:
        case IDC_INFO:
            return width - 2 * scaled(3);  // the button's raised edge and focus frame
        case IDC_TITLE:
        case IDC_DATE:
            return width - 2 * scaled(3);  // the sunken edge and the edit's margins
        case IDC_LONG_DATE:
            return width - scaled(13) - scaled(4);  // the check box and the gap after it
        default:
            return width;  // a static's text has the whole control
    }
}

// No text of the dialog is cut: each line fits its control in the dialog's font at `dpi`.
void ExpectTextsFit(HWND dialog, int dpi) {
    for (const HWND control : ChildrenOf(dialog)) {
        const std::string text = TextOf(control);
        const int id = IdOf(control);
        // The progress bar and an icon show no text.
        if (text.empty() || id == IDC_PROGRESS || (StyleOf(control) & SS_TYPEMASK) == SS_ICON) {
            continue;
        }
        SCOPED_TRACE(Describe(control) + " \"" + text + "\"");
        const RECT rect = RectIn(control, dialog);
        int lines = 0;
        for (size_t start = 0; start <= text.size(); ++lines) {
            const size_t end = std::min(text.find('\n', start), text.size());
            const std::string line = text.substr(start, end - start);
            const SIZE extent = TextExtentIn(kFont, kPointSize, dpi, line);
            EXPECT_LE(extent.cx, TextRoomOf(id, rect.right - rect.left, dpi)) << line;
            EXPECT_LE(extent.cy * (lines + 1), rect.bottom - rect.top) << line;
            start = end + 1;
        }
    }
}

struct Scale {
    int dpi;
    // Under Wine the dialog font, "MS Sans Serif" at 8 points, comes out no larger at 200 %
    // than at 150 %: the window grows with its font, not further.
    bool fontGrowsWithIt;
};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.dpi << " dpi";
}

class DisplayScaleTest : public testing::TestWithParam<Scale> {};

TEST_P(DisplayScaleTest, WindowTextsAndTipsGrowWithTheScale) {
    const int dpi = GetParam().dpi;
    const DisplayScale scale(dpi);
    BrenvaleRun run;
    run.Start();
    const HWND main = run.MainWindow();

    // The window as its template lays it out in the font at this scale, which is the
    // window at 100 % times the scale within what whole pixels of the font allow.
    const BaseUnits units = DialogBaseUnitsOf(kFont, kPointSize, dpi);
    const RECT expected = DialogUnitsToPixels(0, 0, kMainWidthUnits, kMainHeightUnits, units);
    const SIZE client = ClientSizeOf(main);
    EXPECT_NEAR(client.cx, expected.right, 1);
    EXPECT_NEAR(client.cy, expected.bottom, 1);
    if (GetParam().fontGrowsWithIt) {
        // Whole pixels of the font's height make the window up to a few percent taller.
        const RECT at100 = DialogUnitsToPixels(0, 0, kMainWidthUnits, kMainHeightUnits,
                                               DialogBaseUnitsOf(kFont, kPointSize, 96));
        const double factor = dpi / 96.0;
        EXPECT_NEAR(client.cx, at100.right * factor, 3);
        EXPECT_GE(client.cy, at100.bottom * factor - 3);
        EXPECT_LE(client.cy, at100.bottom * factor * 1.04);
    }

    ExpectTextsFit(main, dpi);
    EXPECT_EQ(AskWindow(TooltipsOf(run), TTM_GETMAXTIPWIDTH), MulDiv(kTipWidthAt96, dpi, 96));
}

TEST_P(DisplayScaleTest, TheInformationDialogsTextsFit) {
    const DisplayScale scale(GetParam().dpi);
    BrenvaleRun run;
    run.Start();
    Click(run.Control(IDC_INFO));
    const HWND about = WaitForWindow({run.Process().Id(), kDialogClass, "Info Brenvale",
                                      run.MainWindow(), "the information dialog"});
    ExpectTextsFit(about, GetParam().dpi);
    Click(WaitForControl(about, IDOK));
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayScaleTest,
                         testing::Values(Scale{96, true}, Scale{144, true}, Scale{192, false}),
                         [](const testing::TestParamInfo<Scale>& info) {
                             return std::to_string(info.param.dpi * 100 / 96) + "Percent";
                         });

// The folder chooser's margins around its tree and buttons, and the gap between OK and
// Cancel, are 5 and 10 pixels at 100 %: at 150 % they are 8 and 15.
TEST(DisplayScale, TheFolderChoosersMarginsGrowWithTheScale) {
    const DisplayScale scale(144);
    BrenvaleRun run;
    run.Start("\"" + run.WritePhoto("IMG_0001.JPG") + "\"");
    const HWND chooser = run.OpenFolderChooser();
    const FolderChooserLayoutView seen = LayoutOf(chooser);
    const LONG w = seen.client.cx;
    const LONG h = seen.client.cy;
    EXPECT_EQ(seen.cancel.right, w - 8);
    EXPECT_EQ(seen.cancel.bottom, h - 8);
    EXPECT_EQ(seen.ok.right + 15, seen.cancel.left);
    EXPECT_EQ(seen.ok.top, seen.cancel.top);
    EXPECT_EQ(seen.ok.right - seen.ok.left, seen.cancel.right - seen.cancel.left);
    EXPECT_EQ(std::vector<LONG>({seen.tree.left, seen.tree.top, seen.tree.right, seen.tree.bottom}),
              std::vector<LONG>({8, 8, w - 8, seen.ok.top - 8}));
    Click(WaitForControl(chooser, IDCANCEL));
    PressOk(WaitForMessageBox(run.Process().Id(), run.MainWindow()));
}

// Windows tells a window that moved to a monitor of another scale, with the rectangle it
// suggests for it there.
TEST(DisplayScale, WindowAndTipsFollowAMoveToAMonitorOfAnotherScale) {
    BrenvaleRun run;
    run.Start();
    const HWND main = run.MainWindow();
    RECT before{};
    GetWindowRect(main, &before);
    const RECT suggested = {before.left, before.top, before.left + 2 * (before.right - before.left),
                            before.top + 2 * (before.bottom - before.top)};
    const RemoteBuffer rect(run.Process().Id(), sizeof suggested);
    rect.Write(0, &suggested, sizeof suggested);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main, WM_DPICHANGED, MAKEWPARAM(192, 192), rect.Address(),
                                    SMTO_ABORTIFHUNG, 5000, &answer));

    RECT after{};
    GetWindowRect(main, &after);
    EXPECT_EQ(
        std::vector<LONG>({after.left, after.top, after.right, after.bottom}),
        std::vector<LONG>({suggested.left, suggested.top, suggested.right, suggested.bottom}));
    EXPECT_EQ(AskWindow(TooltipsOf(run), TTM_GETMAXTIPWIDTH), 2 * kTipWidthAt96);
}

}  // namespace
}  // namespace brenvale
