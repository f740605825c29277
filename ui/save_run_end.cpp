// The end of a save run, as the main window shows it.
#include "ui/save_run_end.h"

namespace ui {

void EndSaveRun(const transfer::SaveResult& result, SaveRunEndWindow& window,
                framework::MessagePort& boxes, framework::TaskbarProgress& taskbar) {
    switch (result.outcome) {
        case transfer::SaveOutcome::NothingToSave:
            break;
        case transfer::SaveOutcome::Refused:
        case transfer::SaveOutcome::Cancelled:
            boxes.Show(result.message);
            break;
        case transfer::SaveOutcome::Failed:
            taskbar.SetError();
            boxes.Show(result.message);
            break;
        case transfer::SaveOutcome::Saved:
            window.SetNormalCursor();
            boxes.Show(result.message);
            window.SetProgress(0);
            window.SetReadyToOpen();
            window.RememberDestination(result.folder + "\\");
            break;
    }
    taskbar.Clear();
}

}  // namespace ui
