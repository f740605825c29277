// Takes the README's pictures of Brenvale: the main window ready to save, the open-file
// dialog in a camera's folder and the folder chooser, each as a BMP of the window as it
// stands on the screen. scripts/screenshots.sh runs it under Wine and makes PNGs of them.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "driver/folder_chooser.h"
#include "driver/handle.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/outside.h"
#include "driver/process.h"
#include "driver/windows.h"

using namespace gui_driver;

namespace {

const int kOpenCamera = 1000;
const int kSaveOnPc = 1001;
const int kTitle = 1006;
const int kExit = IDOK;

const char kPhotos[] = "C:\\Camera\\DCIM\\100CANON";
const char kPictures[] = "C:\\Pictures";

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw DriverError("cannot write " + path);
}

// The window as the screen shows it, saved as a 24-bit BMP.
void SaveWindowPicture(HWND window, const std::string& path) {
    // Let the window paint what it was just told to show.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    WaitFor([&] { return GetForegroundWindow() == window; }, Describe(window) + " in front");
    for (int i = 0; i < 30; ++i) PauseOnePoll();

    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const OwnedScreenDc screen(GetDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files keep their rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const OwnedGdiObject<HBITMAP> bitmap(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    // Deleted before the bitmap, which it lets go of then.
    const OwnedMemoryDc memory(CreateCompatibleDC(screen.Get()));
    if (!screen || !bitmap || !memory) throw DriverError("cannot take a picture of the screen");
    SelectObject(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    GdiFlush();

    const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
    const DWORD imageBytes = rowBytes * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageBytes;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), imageBytes);
    WriteFileBytes(path, bytes);
}

// A folder of the program's own with a copy of Brenvale and its settings file.
struct Installed {
    std::string folder;
    std::string exe;
};

Installed Install(const std::string& builtExe, const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string exe = folder + "\\brenvale.exe";
    DeleteFileA(exe.c_str());
    CopyProgram(builtExe, folder, "brenvale.exe");
    WriteFileBytes(folder + "\\brenvale.ini", "[source]\r\n" + std::string(kPhotos) +
                                                  "\\\r\n[dest]\r\n" + kPictures + "\\\r\n");
    return {folder, exe};
}

HWND MainWindowOf(const Program& program) {
    return WaitForWindow({program.Id(), kDialogClass, "Brenvale", nullptr, "the main window"});
}

std::string PhotoArguments() {
    std::string arguments;
    for (int i = 1; i <= 6; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%s\\IMG_%04d.JPG", kPhotos, 4710 + i);
        arguments += std::string(" \"") + name + "\"";
    }
    return arguments;
}

// Photos chosen, a title typed: the main window ready to save; then the folder chooser,
// opened at the remembered destination.
void TakeMainWindowAndChooser(const Installed& brenvale, const std::string& out) {
    Program program(brenvale.exe, "\"" + brenvale.exe + "\"" + PhotoArguments(), brenvale.folder);
    const HWND main = MainWindowOf(program);
    TypeText(WaitForControl(main, kTitle), "Holiday");
    SaveWindowPicture(main, out + "\\main-window.bmp");

    Click(WaitForControl(main, kSaveOnPc));
    const HWND chooser =
        WaitForWindow({program.Id(), kDialogClass, std::nullopt, main, "the folder chooser"});
    {
        const FolderTree tree(chooser, program.Id());
        WaitFor([&] { return tree.Selected() != nullptr; }, "a folder selected");
        if (tree.TextOf(tree.Selected()) != "Pictures") {
            throw DriverError("the chooser selected \"" + tree.TextOf(tree.Selected()) +
                              "\", not the remembered folder");
        }
    }
    SaveWindowPicture(chooser, out + "\\folder-chooser.bmp");
    Click(WaitForControl(chooser, IDCANCEL));
    PressOk(WaitForMessageBox(program.Id(), main));
    Click(WaitForControl(main, kExit));
    program.WaitForExit();
}

// The open-file dialog in the camera's folder.
void TakeOpenFileDialog(const Installed& brenvale, const std::string& out) {
    Program program(brenvale.exe, "\"" + brenvale.exe + "\"", brenvale.folder);
    const HWND main = MainWindowOf(program);
    Click(WaitForControl(main, kOpenCamera));
    const HWND dialog =
        WaitForWindow({program.Id(), kDialogClass, std::nullopt, main, "the open-file dialog"});
    SaveWindowPicture(dialog, out + "\\open-file-dialog.bmp");
    Click(WaitForControl(dialog, IDCANCEL));
    WaitFor([&] { return IsWindowEnabled(main) != FALSE; }, "the main window back");
    Click(WaitForControl(main, kExit));
    program.WaitForExit();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: readme_screenshots <brenvale.exe> <folder for the BMPs>\n");
        return 2;
    }
    const std::string builtExe = WindowsPathOf(argv[1]);
    const std::string out = WindowsPathOf(argv[2]);
    try {
        // A memory card's folder with a few photos, and the folder they go to.
        MakeFoldersOutside(kPhotos);
        MakeFoldersOutside(kPictures);
        for (int i = 1; i <= 6; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "%s\\IMG_%04d.JPG", kPhotos, 4710 + i);
            WriteFileBytes(name, "\xFF\xD8\xFF\xE0" + std::string(60, '\0'));
        }
        const Installed brenvale = Install(builtExe, "C:\\Brenvale");
        TakeMainWindowAndChooser(brenvale, out);
        TakeOpenFileDialog(brenvale, out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "readme_screenshots: %s\n", error.what());
        return 1;
    }
    return 0;
}
