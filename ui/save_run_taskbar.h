// A save run as the taskbar button shows it: the same steps as the progress bar, the error
// state while the box of a failure is open, and nothing once the run has ended. It stands
// between the run and the main window, so that everything the run does passes it.
#pragma once

#include <string>

#include "framework/failure_boundary.h"
#include "framework/message_port.h"
#include "framework/taskbar_progress.h"
#include "transfer/save_run.h"

namespace ui {

class SaveRunTaskbar final : public transfer::SaveRunWindow, public framework::MessagePort {
public:
    // `window` and `boxes` are the main window and its message boxes; `taskbar` its button.
    SaveRunTaskbar(transfer::SaveRunWindow& window, framework::MessagePort& boxes,
                   framework::TaskbarProgress& taskbar)
        : window_(window), boxes_(boxes), taskbar_(taskbar) {}
    // The run has ended: no progress on the button any more.
    ~SaveRunTaskbar() override;
    SaveRunTaskbar(const SaveRunTaskbar&) = delete;
    SaveRunTaskbar& operator=(const SaveRunTaskbar&) = delete;

    // Runs `run` (the save run, given this object as its window and its message boxes). A
    // failure that ends it is shown by `report` with the button in the error state.
    template <typename SaveRun, typename Report>
    void Run(SaveRun&& run, Report&& report) noexcept {
        framework::RunReportingFailures(run, [&](const char* text) noexcept {
            taskbar_.SetError();
            report(text);
        });
    }

    std::string TitleText() override { return window_.TitleText(); }
    std::string DateText() override { return window_.DateText(); }
    void SetWaitCursor() override { window_.SetWaitCursor(); }
    // The copies are over and all went well.
    void SetNormalCursor() override;
    void SetProgress(int position) override;
    // Once a folder is chosen, the copying begins.
    bool ChooseFolder(const std::string& startFolder, char* folder, unsigned size) override;
    void SetReadyToOpen() override { window_.SetReadyToOpen(); }
    void RememberDestination(const std::string& folder) override {
        window_.RememberDestination(folder);
    }

    // A box shown while photos are being copied tells of a failure: the button shows the
    // error state until the user has closed it.
    void Show(const std::string& text) override;
    void ShowSystemError(const std::string& text) override;

private:
    bool Failing() const { return copying_ && !copiesDone_; }
    void AfterBox(bool failure);

    transfer::SaveRunWindow& window_;
    framework::MessagePort& boxes_;
    framework::TaskbarProgress& taskbar_;
    bool copying_ = false;
    bool copiesDone_ = false;
};

}  // namespace ui
