// Save On PC: the save run with the main window's controls, cursors, message boxes, the
// folder chooser, the settings object and the taskbar button behind it.
#include <windows.h>

#include "framework/taskbar_win32.h"
#include "framework/win_app.h"
#include "platform/disk.h"
#include "transfer/browse_for_folder.h"
#include "transfer/save_run.h"
#include "ui/save_run_taskbar.h"
#include "ui/transfer_dlg.h"

void CTransferDlg::OnSaveOnPC() {
    class Window final : public transfer::SaveRunWindow {
    public:
        explicit Window(CTransferDlg& dialog) : d_(dialog) {}

        std::string TitleText() override { return d_.m_titleEdit.GetText(); }
        std::string DateText() override { return d_.m_dateEdit.GetText(); }
        void SetWaitCursor() override { SetCursor(d_.m_hWaitCursor); }
        void SetNormalCursor() override { SetCursor(d_.m_hNormalCursor); }
        void SetProgress(int position) override { d_.m_progress.SetPos(position); }
        bool ChooseFolder(const std::string& startFolder, char* folder, unsigned size) override {
            return BrowseForFolder(d_.m_hWnd, startFolder.c_str(), folder, size);
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
    };

    Window window(*this);
    framework::CTaskbarButton button(AfxGetTaskbarList(), m_hWnd);
    ui::SaveRunTaskbar run(window, m_messages, button);
    platform::Disk disk;
    run.Run(
        [&] {
            transfer::RunSave(
                run, {m_photoList, m_dateText, m_longDate, m_destFolder, m_nextNumber, run, disk});
        },
        framework::ShowMessage);
}
