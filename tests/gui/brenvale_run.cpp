#include "brenvale_run.h"

#include <commctrl.h>

#include <tuple>

#include "brenvale_ids.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/outside.h"
#include "driver/windows.h"

namespace brenvale {

using namespace gui_driver;

namespace {

const int kMainControls[] = {IDC_OPEN_CAMERA, IDC_TITLE,       IDC_SAVE_ON_PC, IDC_EXIT,
                             IDC_INFO,        IDC_TITLE_LABEL, IDC_DATE_LABEL, IDC_DATE,
                             IDC_LONG_DATE,   IDC_FRAME,       IDC_PROGRESS};

auto Tied(const RECT& r) {
    return std::tie(r.left, r.top, r.right, r.bottom);
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

}  // namespace

std::string BuiltExe() {
    return WindowsPathOf(BRENVALE_EXE);
}

BrenvaleRun::BrenvaleRun(const std::string& exeName)
    : exe_(CopyProgram(BuiltExe(), dir_.Path(), exeName)), currentFolder_(dir_.PathOf("work")) {
    MakeFoldersOutside(currentFolder_);
    MakeFoldersOutside(PhotoFolder());
}

void BrenvaleRun::WriteSettings(const std::string& bytes) const {
    dir_.Write("brenvale.ini", bytes);
}

std::optional<std::string> BrenvaleRun::Settings() const {
    if (!dir_.Exists("brenvale.ini")) return std::nullopt;
    return dir_.Read("brenvale.ini");
}

bool BrenvaleRun::CurrentFolderHasSettings() const {
    return dir_.Exists("work/brenvale.ini");
}

std::string BrenvaleRun::PhotoFolder() const {
    return dir_.PathOf("photos");
}

std::string BrenvaleRun::WritePhoto(const std::string& name) const {
    // Only the start of a JPEG file: Brenvale opens a photo of the command line at start,
    // it does not read it.
    dir_.Write("photos/" + name, "\xFF\xD8\xFF\xE0" + std::string(60, '\0'));
    return PhotoFolder() + "\\" + name;
}

void BrenvaleRun::Start(const std::string& arguments) {
    std::string commandLine = "\"" + exe_ + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    program_ = std::make_unique<Program>(exe_, commandLine, currentFolder_);
    mainWindow_ = nullptr;  // a new process has a window of its own
}

Program& BrenvaleRun::Process() {
    if (!program_) throw DriverError("Brenvale was not started");
    return *program_;
}

HWND BrenvaleRun::MainWindow() {
    if (!mainWindow_) {
        mainWindow_ = WaitForWindow({Process().Id(), kDialogClass, "Brenvale", nullptr,
                                     "the main window \"Brenvale\" of " + Process().Name()});
    }
    return mainWindow_;
}

HWND BrenvaleRun::Control(int id) {
    return WaitForControl(MainWindow(), id);
}

HWND BrenvaleRun::Tooltips() {
    return WaitForWindow({Process().Id(), TOOLTIPS_CLASSA, std::nullopt, MainWindow(),
                          "the tooltip control of the main window", false});
}

int BrenvaleRun::FocusedId() {
    return IdOf(FocusIn(MainWindow()));
}

void BrenvaleRun::TabTo(int id) {
    for (size_t presses = 0; presses <= std::size(kMainControls); ++presses) {
        const HWND focus = FocusIn(MainWindow());
        if (IdOf(focus) == id) return;
        PressKey(focus, VK_TAB);
        WaitFor([&] { return FocusIn(MainWindow()) != focus; },
                "Tab to move the focus away from " + Describe(focus));
    }
    throw DriverError("Tab never brought the focus to control " + std::to_string(id));
}

HWND BrenvaleRun::OpenCamera() {
    Click(Control(IDC_OPEN_CAMERA));
    return WaitForOpenFileDialog(Process().Id(), MainWindow());
}

HWND BrenvaleRun::OpenFolderChooser() {
    Click(Control(IDC_SAVE_ON_PC));
    return WaitForFolderChooser(Process().Id(), MainWindow());
}

std::string BrenvaleRun::ExitAndReadSettings() {
    Click(Control(IDC_EXIT));
    Process().WaitForExit();
    return Settings().value_or("(no settings file)");
}

MainWindowState StateOf(HWND mainWindow) {
    MainWindowState state;
    state.caption = TextOf(mainWindow);
    GetWindowRect(mainWindow, &state.rect);
    state.progress = ProgressPositionOf(WaitForControl(mainWindow, IDC_PROGRESS));
    for (const int id : kMainControls) {
        const HWND control = WaitForControl(mainWindow, id);
        const bool isCheckBox = id == IDC_LONG_DATE;
        state.controls.push_back({id, TextOf(control), IsEnabled(control), IsShown(control),
                                  isCheckBox ? CheckStateOf(control) : 0,
                                  RectIn(control, mainWindow)});
    }
    return state;
}

bool operator==(const MainWindowState& a, const MainWindowState& b) {
    if (a.caption != b.caption || Tied(a.rect) != Tied(b.rect) || a.progress != b.progress ||
        a.controls.size() != b.controls.size()) {
        return false;
    }
    for (size_t i = 0; i < a.controls.size(); ++i) {
        const ControlState& x = a.controls[i];
        const ControlState& y = b.controls[i];
        if (std::tie(x.id, x.text, x.enabled, x.shown, x.checked) !=
                std::tie(y.id, y.text, y.enabled, y.shown, y.checked) ||
            Tied(x.rect) != Tied(y.rect)) {
            return false;
        }
    }
    return true;
}

std::ostream& operator<<(std::ostream& out, const MainWindowState& state) {
    out << "\"" << state.caption << "\" at " << state.rect << ", progress " << state.progress;
    for (const ControlState& c : state.controls) {
        out << "\n  " << c.id << " \"" << c.text << "\"" << (c.enabled ? "" : " disabled")
            << (c.shown ? "" : " hidden") << (c.checked ? " checked" : "") << " at " << c.rect;
    }
    return out;
}

}  // namespace brenvale
