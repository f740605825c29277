// Save On PC: the save run with the main window's controls, cursors, message boxes, the
// folder chooser, the settings object and the taskbar button behind it.
#include <windows.h>

#include "framework/taskbar_win32.h"
#include "framework/win_app.h"
#include "platform/disk.h"
#include "transfer/browse_for_folder.h"
#include "transfer/save_run.h"
#include "ui/save_run_end.h"
#include "ui/transfer_dlg.h"

namespace {

// The result buffer handed to the folder chooser: room for any folder it gives, whole, up
// to 259 UTF-16 units of at most three bytes each in UTF-8, and the terminating zero.
constexpr unsigned kChosenFolderSize = 259 * 3 + 1;

}  // namespace

void CTransferDlg::OnSaveOnPC() {
    class Window final : public transfer::SaveRunWindow, public ui::SaveRunEndWindow {
    public:
        Window(CTransferDlg& dialog, framework::TaskbarProgress& taskbar)
            : d_(dialog), taskbar_(taskbar) {}

        std::string TitleText() override { return d_.m_titleEdit.GetText(); }
        std::string DateText() override { return d_.m_dateEdit.GetText(); }
        void SetWaitCursor() override { SetCursor(d_.m_hWaitCursor); }
        void SetNormalCursor() override { SetCursor(d_.m_hNormalCursor); }
        void SetProgress(int position) override {
            d_.m_progress.SetPos(position);
            taskbar_.SetValue(position, transfer::kProgressSteps);
        }
        bool ChooseFolder(std::string& folder) override {
            char chosen[kChosenFolderSize] = {};
            if (!BrowseForFolder(d_.m_hWnd, d_.m_destFolder.c_str(), chosen, sizeof chosen)) {
                return false;
            }
            folder = chosen;
            return true;
        }
        void SetReadyToOpen() override {
            d_.SetButtonState(ButtonState::ReadyToOpen);
            d_.RedrawNow();
        }
        void RememberDestination(const std::string& folder) override {
            d_.m_destFolder = folder;
            d_.m_pSettings->SetDest(d_.m_destFolder);
        }

    private:
        CTransferDlg& d_;
        framework::TaskbarProgress& taskbar_;
    };

    framework::CTaskbarButton taskbar(AfxGetTaskbarList(), m_hWnd);
    Window window(*this, taskbar);
    platform::Disk disk;
    const transfer::SaveResult result = transfer::RunSave(
        window, {m_photoList, m_dateText, m_longDate, m_nextNumber, m_messages, disk});
    ui::EndSaveRun(result, window, m_messages, taskbar);
}
