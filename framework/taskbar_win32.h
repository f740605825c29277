// The taskbar's progress on a window's button (ITaskbarList3), where Windows offers it.
#pragma once

#include <windows.h>

#include <shobjidl.h>

#include "framework/taskbar_progress.h"
#include "platform/owner_win32.h"

namespace framework {

using TaskbarList = platform::OwnedComObject<ITaskbarList3>;

// The taskbar object for the program's whole life, made once COM is set up on the
// user-interface thread (after OleInitialize); empty where Windows does not offer it
// (before Windows 7, or without a taskbar). It must be released before COM ends.
TaskbarList MakeTaskbarList() noexcept;

// The progress on one window's button; without a taskbar object it does nothing. Failing
// calls change nothing else: the button is only a second view of the window's progress.
class CTaskbarButton final : public TaskbarProgress {
public:
    CTaskbarButton(ITaskbarList3* taskbar, HWND window) : m_taskbar(taskbar), m_hWnd(window) {}

    void SetValue(int completed, int total) override;
    void SetError() override;
    void SetNormal() override;
    void Clear() override;

private:
    ITaskbarList3* m_taskbar;
    HWND m_hWnd;
};

}  // namespace framework
