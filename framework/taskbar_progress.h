// The progress a window shows on its taskbar button, as the window-free code sees it.
#pragma once

namespace framework {

class TaskbarProgress {
public:
    virtual ~TaskbarProgress() = default;

    // `completed` of `total`, in the normal state (green on Windows).
    virtual void SetValue(int completed, int total) = 0;
    // The error state (red), keeping the value shown.
    virtual void SetError() = 0;
    // Back to the normal state from the error state.
    virtual void SetNormal() = 0;
    // No progress on the button.
    virtual void Clear() = 0;
};

}  // namespace framework
