// Date-stamp messages: plain boxes owned by the main window, the system-error box owned by
// the window given.
#include "ui/file_date_stamp.h"

#include "framework/message_box.h"
#include "transfer/date_stamp.h"

namespace {

class OwnedMessages final : public platform::UserMessages {
public:
    explicit OwnedMessages(HWND owner) : owner_(owner) {}
    void Show(const std::string& text) override { framework::ShowMessage(text.c_str()); }
    void ShowSystemError(const std::string& text) override {
        framework::ShowSystemErrorBox(owner_, text.c_str());
    }

private:
    HWND owner_;
};

}  // namespace

bool GetFileDateStamp(HWND owner, const char* photoPath, char* stamp) {
    OwnedMessages messages(owner);
    return transfer::GetFileDateStamp(messages, photoPath, stamp);
}

void ReportLastError(HWND owner) {
    OwnedMessages messages(owner);
    transfer::ReportLastError(messages, GetLastError());
}
