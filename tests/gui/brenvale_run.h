// Brenvale started for one GUI test, and what the tests read of its main window.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "driver/process.h"
#include "test_support.h"

namespace brenvale {

// The built brenvale.exe in its Windows form.
std::string BuiltExe();

// A copy of the built exe in a scratch folder of the test's own, so that the settings file
// beside it, "brenvale.ini", belongs to this test alone. The program runs with another
// folder as its current folder, where no settings file may appear.
class BrenvaleRun {
public:
    explicit BrenvaleRun(const std::string& exeName = "brenvale.exe");

    // The settings file beside the exe: written before the start, read after the end.
    void WriteSettings(const std::string& bytes) const;
    std::optional<std::string> Settings() const;
    bool CurrentFolderHasSettings() const;

    // A photo file in the folder "photos" of the scratch folder; returns its full path.
    std::string WritePhoto(const std::string& name) const;
    // The scratch folder's "photos" folder, without a final backslash.
    std::string PhotoFolder() const;

    // Starts the program with its name in quotes, then a blank and `arguments` when given.
    void Start(const std::string& arguments = "");
    gui_driver::Program& Process();

    // The main window: a visible dialog "Brenvale" of this process.
    HWND MainWindow();
    HWND Control(int id);
    // The main window's tooltip control.
    HWND Tooltips();
    int FocusedId();
    // Presses Tab until the control `id` has the focus; fails after a full round of tries.
    void TabTo(int id);
    // Presses Open Camera and waits for the open-file dialog it shows.
    HWND OpenCamera();
    // Presses Save On PC; returns the folder chooser it opens.
    HWND OpenFolderChooser();
    // Presses Exit, waits for the program to end, and reads the settings file it left.
    std::string ExitAndReadSettings();

private:
    testing_support::TempDir dir_;
    std::string exe_;
    std::string currentFolder_;
    std::unique_ptr<gui_driver::Program> program_;
    HWND mainWindow_ = nullptr;
};

// What the user sees of the main window: to compare it before and after something that
// must leave it unchanged.
struct ControlState {
    int id;
    std::string text;
    bool enabled;
    bool shown;
    int checked;
    RECT rect;
};
struct MainWindowState {
    std::string caption;
    RECT rect;
    int progress;
    std::vector<ControlState> controls;
};
MainWindowState StateOf(HWND mainWindow);
bool operator==(const MainWindowState& a, const MainWindowState& b);
std::ostream& operator<<(std::ostream& out, const MainWindowState& state);

}  // namespace brenvale
