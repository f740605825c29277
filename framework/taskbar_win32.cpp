// ITaskbarList3 behind the taskbar button's progress.
#include "framework/taskbar_win32.h"

namespace framework {

TaskbarList MakeTaskbarList() noexcept {
    ITaskbarList3* made = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&made)))) {
        return TaskbarList();
    }
    TaskbarList taskbar(made);
    if (!taskbar || FAILED(taskbar.Get()->HrInit())) return TaskbarList();
    return taskbar;
}

void CTaskbarButton::SetValue(int completed, int total) {
    if (m_taskbar == nullptr || completed < 0 || total <= 0) return;
    m_taskbar->SetProgressValue(m_hWnd, static_cast<ULONGLONG>(completed),
                                static_cast<ULONGLONG>(total));
}

void CTaskbarButton::SetError() {
    if (m_taskbar != nullptr) m_taskbar->SetProgressState(m_hWnd, TBPF_ERROR);
}

void CTaskbarButton::SetNormal() {
    if (m_taskbar != nullptr) m_taskbar->SetProgressState(m_hWnd, TBPF_NORMAL);
}

void CTaskbarButton::Clear() {
    if (m_taskbar != nullptr) m_taskbar->SetProgressState(m_hWnd, TBPF_NOPROGRESS);
}

}  // namespace framework
