// What the main window does once a save run has ended: it tells the user how, with the
// taskbar button in the error state while the box of a failure is open, and after a
// complete run it is ready to open photos again and remembers the folder.
#pragma once

#include <string>

#include "framework/message_port.h"
#include "framework/taskbar_progress.h"
#include "transfer/save_run.h"

namespace ui {

// The parts of the main window that the end of a save run changes.
class SaveRunEndWindow {
public:
    virtual ~SaveRunEndWindow() = default;

    virtual void SetNormalCursor() = 0;
    // The progress bar, and the taskbar button with it.
    virtual void SetProgress(int position) = 0;
    // Open Camera enabled, Save On PC disabled, and the window redrawn at once.
    virtual void SetReadyToOpen() = 0;
    // The destination folder (with its final backslash) for the next run and the settings.
    virtual void RememberDestination(const std::string& folder) = 0;
};

// Tells the user how the run ended and leaves nothing on the taskbar button.
void EndSaveRun(const transfer::SaveResult& result, SaveRunEndWindow& window,
                framework::MessagePort& boxes, framework::TaskbarProgress& taskbar);

}  // namespace ui
