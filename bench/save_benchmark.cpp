// Times one save run of the real brenvale.exe under Wine: from the click on OK in the
// folder chooser to the success message, and prints the seconds. scripts/bench-save.sh
// compares the figure with cp and with the bare copy loop on the same photos.
//
//   save_benchmark <brenvale.exe> <scratch folder> <destination folder> <photo>...
//
// The exe is copied into the scratch folder, with a settings file that presets the
// destination; the photos go on its command line.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "driver/controls.h"
#include "driver/folder_chooser.h"
#include "driver/handle.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/process.h"
#include "driver/windows.h"

using namespace gui_driver;

namespace {

constexpr int kSaveOnPC = 1001;
constexpr Milliseconds kRunTimeout{600000};

void WriteSettings(const std::string& folder, const std::string& dest) {
    const std::string bytes = "[source]\r\n\r\n[dest]\r\n" + dest + "\\\r\n";
    const OwnedHandle file(CreateFileA((folder + "\\brenvale.ini").c_str(), GENERIC_WRITE, 0,
                                       nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (file.Get() == INVALID_HANDLE_VALUE ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw DriverError("cannot write the settings file");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: save_benchmark <brenvale.exe> <scratch> <dest> <photo>...\n");
        return 2;
    }
    try {
        const std::string scratch = argv[2];
        const std::string dest = argv[3];
        const std::string exe = CopyProgram(argv[1], scratch, "brenvale.exe");
        WriteSettings(scratch, dest);
        std::string commandLine = "\"" + exe + "\"";
        for (int i = 4; i < argc; ++i) commandLine += " \"" + std::string(argv[i]) + "\"";
        Program program(exe, commandLine, scratch);
        const HWND main =
            WaitForWindow({program.Id(), kDialogClass, "Brenvale", nullptr, "Brenvale"});
        Click(WaitForControl(main, kSaveOnPC));
        const HWND chooser = WaitForFolderChooser(program.Id(), main);
        const HWND ok = WaitForControl(chooser, IDOK);
        {
            const FolderTree tree(chooser, program.Id());
            const std::string selected = tree.TextOf(tree.Selected());
            if (dest.size() < selected.size() ||
                dest.compare(dest.size() - selected.size(), selected.size(), selected) != 0) {
                std::fprintf(stderr, "the chooser selected \"%s\", not the destination\n",
                             selected.c_str());
                Click(WaitForControl(chooser, IDCANCEL));
                return 1;
            }
        }

        const auto start = std::chrono::steady_clock::now();
        Click(ok);
        const MessageBoxView box = WaitForMessageBox(program.Id(), main, kRunTimeout);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

        if (box.text != "Fotos successfully saved") {
            std::fprintf(stderr, "the run ended with \"%s\"\n", box.text.c_str());
            return 1;
        }
        PressOk(box);
        Click(WaitForControl(main, IDOK));  // Exit
        program.WaitForExit();
        std::printf("%.3f\n", took.count());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
