// Save On PC: the save run with the main window's controls, cursors, message boxes, the
// folder chooser and the settings object behind it.
#include <windows.h>

#include "transfer/browse_for_folder.h"
#include "transfer/save_run.h"
#include "ui/file_date_stamp.h"
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
        void ShowMessage(const std::string& text) override { d_.m_messages.Show(text); }
        bool ChooseFolder(const std::string& startFolder, char* folder, unsigned size) override {
            return BrowseForFolder(d_.m_hWnd, startFolder.c_str(), folder, size);
        }
        bool FindEmbeddedDate(const std::string& photo, char* stamp, bool longDate) override {
            return d_.FindEmbeddedDate(photo.c_str(), stamp, longDate);
        }
        bool GetFileDateStamp(const std::string& photo, char* stamp) override {
            return ::GetFileDateStamp(d_.m_hWnd, photo.c_str(), stamp);
        }
        bool CopyWithNumber(const std::string& photo, const std::string& base) override {
            return d_.CopyWithNumber(photo, base);
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
    transfer::RunSave(window, {m_photoList, m_dateText, m_longDate, m_destFolder, m_nextNumber});
}
