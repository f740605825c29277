// Folders and photos named in any language: Brenvale works in UTF-8, so a name that the
// system's legacy code page cannot hold reaches it whole, and the settings file keeps it.
#include <gtest/gtest.h>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/input.h"

namespace brenvale {
namespace {

using namespace gui_driver;

// "写真" (photos), "Überlingen": names in UTF-8, as the tests and Brenvale now work.
const std::string kJapaneseFolder = "\xE5\x86\x99\xE7\x9C\x9F";
const std::string kUberlingenUtf8 =
    "\xC3\x9C"
    "berlingen";
const std::string kUberlingen1252 =
    "\xDC"
    "berlingen";

// A folder and a photo in it, made through the system's ANSI calls of this UTF-8 program.
std::string MakePhotoIn(const std::string& folder, const std::string& name) {
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw DriverError("cannot make the photo " + path);
    const char start[] = "\xFF\xD8\xFF\xE0";
    DWORD written = 0;
    WriteFile(file, start, sizeof start - 1, &written, nullptr);
    CloseHandle(file);
    return path;
}

void ExitAndWait(BrenvaleRun& run) {
    Click(run.Control(IDC_EXIT));
    run.Process().WaitForExit();
}

TEST(NamesInAnyLanguage, PhotoInAJapaneseFolderOnTheCommandLineIsTakenWhole) {
    BrenvaleRun run;
    run.WriteSettings("[source]\r\nE:\\DCIM\\\r\n[dest]\r\nD:\\Pictures\\\r\n");
    const std::string folder = run.PhotoFolder() + "\\" + kJapaneseFolder;
    run.Start("\"" + MakePhotoIn(folder, "IMG_0001.JPG") + "\"");
    // The photo opened: no error box, the window is ready to save it.
    WaitFor([&] { return IsEnabled(run.Control(IDC_SAVE_ON_PC)); }, "Save On PC to be enabled");
    EXPECT_FALSE(IsEnabled(run.Control(IDC_OPEN_CAMERA)));
    ExitAndWait(run);
    EXPECT_EQ(run.Settings(), "[source]\r\n" + folder + "\\\r\n[dest]\r\nD:\\Pictures\\\r\n");
}

TEST(NamesInAnyLanguage, SettingsFileInTheLegacyCodePageIsRewrittenInUtf8) {
    BrenvaleRun run;
    const std::string folder = run.PhotoFolder() + "\\";
    run.WriteSettings("[source]\r\n" + folder + kUberlingen1252 + "\\\r\n[dest]\r\nD:\\" +
                      kUberlingen1252 + "\\\r\n");
    run.Start();
    ExitAndWait(run);
    EXPECT_EQ(run.Settings(), "[source]\r\n" + folder + kUberlingenUtf8 + "\\\r\n[dest]\r\nD:\\" +
                                  kUberlingenUtf8 + "\\\r\n");
}

}  // namespace
}  // namespace brenvale
