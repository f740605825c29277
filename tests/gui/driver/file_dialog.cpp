#include "driver/file_dialog.h"

#include <commdlg.h>

#include "driver/controls.h"
#include "driver/input.h"
#include "driver/remote_buffer.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

}  // namespace

HWND WaitForOpenFileDialog(DWORD processId, HWND owner, Milliseconds timeout) {
    const HWND dialog = WaitForWindow(
        {processId, kDialogClass, "Open", owner, "the open-file dialog \"Open\""}, timeout);
    WaitForControl(dialog, kFileNameField, timeout);
    return dialog;
}

std::string CurrentFolderOf(HWND dialog) {
    constexpr std::size_t kSize = 1024;
    RemoteBuffer folder(ProcessOf(dialog), kSize);
    const LRESULT length = AskWindow(dialog, CDM_GETFOLDERPATH, kSize, folder.Address());
    if (length <= 0) throw DriverError("no folder from " + Describe(dialog));
    return folder.ReadText();
}

std::string QuotedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty()) text += ' ';
        text += '"' + name + '"';
    }
    return text;
}

void EnterFileName(HWND dialog, const std::string& text) {
    const HWND field = WaitForControl(dialog, kFileNameField);
    AskWindow(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Click(WaitForControl(dialog, IDOK));
}

void PickFiles(HWND dialog, const std::string& folder, const std::string& fileNames,
               Milliseconds timeout) {
    if (!folder.empty()) {
        EnterFileName(dialog, folder);
        WaitUntilEquals([&] { return CurrentFolderOf(dialog); }, folder,
                        "the open-file dialog to show " + folder, timeout);
    }
    EnterFileName(dialog, fileNames);
    WaitFor([&] { return !IsWindow(dialog); }, "the open-file dialog to close", timeout);
}

void CancelFileDialog(HWND dialog, Milliseconds timeout) {
    Click(WaitForControl(dialog, IDCANCEL));
    WaitFor([&] { return !IsWindow(dialog); }, "the open-file dialog to close", timeout);
}

}  // namespace gui_driver
