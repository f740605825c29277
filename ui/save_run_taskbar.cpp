// The taskbar button's view of a save run.
#include "ui/save_run_taskbar.h"

namespace ui {

SaveRunTaskbar::~SaveRunTaskbar() {
    taskbar_.Clear();
}

void SaveRunTaskbar::SetNormalCursor() {
    copiesDone_ = true;
    window_.SetNormalCursor();
}

void SaveRunTaskbar::SetProgress(int position) {
    window_.SetProgress(position);
    taskbar_.SetValue(position, transfer::kProgressSteps);
}

bool SaveRunTaskbar::ChooseFolder(const std::string& startFolder, char* folder, unsigned size) {
    copying_ = window_.ChooseFolder(startFolder, folder, size);
    return copying_;
}

void SaveRunTaskbar::Show(const std::string& text) {
    const bool failure = Failing();
    if (failure) taskbar_.SetError();
    boxes_.Show(text);
    AfterBox(failure);
}

void SaveRunTaskbar::ShowSystemError(const std::string& text) {
    const bool failure = Failing();
    if (failure) taskbar_.SetError();
    boxes_.ShowSystemError(text);
    AfterBox(failure);
}

// A run that goes on after the box (a photo without a date of its own) shows its progress
// normally again.
void SaveRunTaskbar::AfterBox(bool failure) {
    if (failure) taskbar_.SetNormal();
}

}  // namespace ui
