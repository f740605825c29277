#include "driver/file_dialog.h"

#include <commdlg.h>

#include "driver/controls.h"
#include "driver/handle.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

// A block of memory in another process, for messages whose answer is written through a
// pointer: the program under test writes into its own address space.
class RemoteBuffer {
public:
    RemoteBuffer(DWORD processId, std::size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId)),
          size_(size) {
        if (!process_) throw DriverError("cannot open process " + std::to_string(processId));
        address_ =
            VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (address_ == nullptr) throw DriverError("cannot allocate memory in the program");
    }
    ~RemoteBuffer() { VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    std::string ReadText() const {
        std::string text(size_, '\0');
        SIZE_T read = 0;
        if (!ReadProcessMemory(process_.Get(), address_, &text[0], size_, &read)) {
            throw DriverError("cannot read the program's memory");
        }
        text.resize(strnlen(text.data(), read));
        return text;
    }

private:
    OwnedHandle process_;
    std::size_t size_;
    void* address_ = nullptr;
};

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
