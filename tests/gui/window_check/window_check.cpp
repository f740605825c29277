// Checks a Brenvale that something else started, as its user would find it: the desktop
// launcher, or brenvale.exe unpacked from the Windows package. Waits for the one running
// brenvale.exe and its main window, fails on a message box instead, checks which of Open
// Camera and Save On PC is enabled, presses Exit and waits until the program has ended.
//
//   window_check.exe ready-to-open|ready-to-save
//
// Exit status 0 when all of that held; otherwise stderr says what did not.
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "driver/controls.h"
#include "driver/handle.h"
#include "driver/input.h"
#include "driver/windows.h"

namespace {

using namespace gui_driver;
using namespace brenvale;

// A first start in a new Wine prefix sets up the prefix first; this allows for a slow one.
constexpr Milliseconds kStartTimeout{60000};

std::vector<DWORD> BrenvaleProcesses() {
    std::vector<DWORD> found;
    OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.Get() == INVALID_HANDLE_VALUE) {
        snapshot.Release();
        throw DriverError("cannot list the running programs");
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, "brenvale.exe") == 0) found.push_back(entry.th32ProcessID);
    }
    return found;
}

DWORD WaitForTheOneBrenvale() {
    const auto found = WaitFor(
        []() -> std::optional<std::vector<DWORD>> {
            auto running = BrenvaleProcesses();
            if (running.empty()) return std::nullopt;
            return running;
        },
        "brenvale.exe to run", kStartTimeout);
    if (found->size() > 1) throw DriverError("more than one brenvale.exe runs");
    return found->front();
}

// The main window once it shows; a message box of the program that shows first (a photo
// that could not be opened) ends the check with the box's text.
HWND WaitForMainWindow(DWORD processId) {
    const WantedWindow anyDialog{processId, kDialogClass, std::nullopt, nullptr, "", true};
    return WaitFor(
        [&]() -> HWND {
            for (const HWND dialog : FindWindowsLike(anyDialog)) {
                const auto caption = TryTextOf(dialog);
                if (caption == "Brenvale") return dialog;
                const HWND text = GetDlgItem(dialog, 0xFFFF);
                throw DriverError("a message box \"" + caption.value_or("") +
                                  "\" shows: " + (text ? TextOf(text) : std::string("(no text)")));
            }
            return nullptr;
        },
        "the main window \"Brenvale\"", kStartTimeout);
}

void Check(bool holds, const std::string& what) {
    if (!holds) throw DriverError(what);
}

int Run(const std::string& expected) {
    const bool readyToSave = expected == "ready-to-save";
    if (!readyToSave && expected != "ready-to-open") {
        std::fprintf(stderr, "usage: window_check ready-to-open|ready-to-save\n");
        return 2;
    }
    const DWORD processId = WaitForTheOneBrenvale();
    OwnedHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    Check(static_cast<bool>(process), "cannot watch brenvale.exe");
    const HWND main = WaitForMainWindow(processId);
    Check(IsEnabled(WaitForControl(main, IDC_OPEN_CAMERA)) != readyToSave,
          std::string("Open Camera is ") + (readyToSave ? "enabled" : "disabled"));
    Check(IsEnabled(WaitForControl(main, IDC_SAVE_ON_PC)) == readyToSave,
          std::string("Save On PC is ") + (readyToSave ? "disabled" : "enabled"));
    Click(WaitForControl(main, IDC_EXIT));
    Check(WaitForSingleObject(process.Get(), static_cast<DWORD>(kDefaultTimeout.count())) ==
              WAIT_OBJECT_0,
          "brenvale.exe did not end after Exit");
    std::printf("Brenvale's main window was %s\n", expected.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc == 2 ? argv[1] : "");
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "window_check: %s\n", failure.what());
        return 1;
    }
}
