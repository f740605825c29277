// Folders and photos named in any language: Brenvale works in UTF-8, so a name that the
// system's legacy code page cannot hold reaches it whole, is copied under a title in any
// language, and stays in the settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "camera_photo.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

// Names in UTF-8, as the tests and Brenvale work: "写真" (photos), "Überlingen", "Фото"
// (photo) and the title "Łódź".
const std::string kJapanese = "\xE5\x86\x99\xE7\x9C\x9F";
const std::string kUberlingen =
    "\xC3\x9C"
    "berlingen";
const std::string kUberlingen1252 =
    "\xDC"
    "berlingen";
const std::string kRussian = "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE";
const std::string kTitle =
    "\xC5\x81\xC3\xB3"
    "d\xC5\xBA";

class NamesInAnyLanguage : public testing::Test {
protected:
    std::string Folder(const std::string& name) {
        const std::string folder = root_.Path() + "\\" + name;
        MakeFolder(folder);
        return folder;
    }
    std::string Photo(const std::string& folder, const std::string& name,
                      const std::string& takenAt) {
        const std::string path = folder + "\\" + name;
        WriteBytes(path, CameraPhoto(takenAt, name));
        return path;
    }
    std::string SettingsWith(const std::string& source, const std::string& dest) {
        return "[source]\r\n" + source + "\\\r\n[dest]\r\n" + dest + "\\\r\n";
    }
    void SetTitle(BrenvaleRun& run, const std::string& title) {
        AskWindow(run.Control(IDC_TITLE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
    }
    // Saves into the chooser's selection, which must be `dest`'s folder.
    void SaveInto(BrenvaleRun& run, const std::string& dest) {
        const HWND chooser = run.OpenFolderChooser();
        {
            FolderTree tree(chooser, run.Process().Id());
            EXPECT_EQ(tree.TextOf(tree.Selected()), dest.substr(dest.rfind('\\') + 1));
        }
        Click(WaitForControl(chooser, IDOK));
        const MessageBoxView box = WaitForMessageBox(run.Process().Id(), run.MainWindow());
        EXPECT_EQ(box.text, "Fotos successfully saved");
        PressOk(box);
    }

    testing_support::TempDir root_;
};

TEST_F(NamesInAnyLanguage, PhotosOnTheCommandLineAreCopiedUnderATitleInAnyLanguage) {
    const std::string japanese = Folder(kJapanese);
    const std::string german = Folder(kUberlingen);
    const std::string dest = Folder(kRussian);
    const std::string inJapanese = Photo(japanese, kJapanese + ".JPG", "2023:07:14 10:15:00");
    const std::string inGerman = Photo(german, "IMG_0002.JPG", "2023:07:15 09:00:00");
    BrenvaleRun run;
    run.WriteSettings(SettingsWith("E:\\DCIM", dest));
    run.Start("\"" + inJapanese + "\" \"" + inGerman + "\"");
    // Both photos opened: no error box, the window is ready to save them.
    WaitFor([&] { return IsEnabled(run.Control(IDC_SAVE_ON_PC)); }, "Save On PC to be enabled");
    SetTitle(run, kTitle);
    SaveInto(run, dest);

    // In byte order "Ü" (0xC3 0x9C) comes before "写" (0xE5 ...): the German photo first.
    const std::string copy1 = "230715_" + kTitle + "_001.jpg";
    const std::string copy2 = "230714_" + kTitle + "_002.jpg";
    ASSERT_EQ(FileNamesIn(dest), (Names{copy2, copy1}));
    EXPECT_EQ(ReadBytes(dest + "\\" + copy1), ReadBytes(inGerman));
    EXPECT_EQ(ReadBytes(dest + "\\" + copy2), ReadBytes(inJapanese));
    EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(german, dest));
}

TEST_F(NamesInAnyLanguage, PhotosPickedInTheDialogAreCopiedAndTheFoldersOpenThereNextTime) {
    const std::string photos = Folder(kJapanese);
    const std::string dest = Folder(kRussian);
    const std::string first = Photo(photos, "IMG_0001.JPG", "2024:05:17 09:00:00");
    const std::string second = Photo(photos, "IMG_0002.JPG", "2024:05:18 09:00:00");
    {
        BrenvaleRun run;
        run.WriteSettings(SettingsWith(photos, dest));
        run.Start();
        const HWND dialog = run.OpenCamera();
        EXPECT_EQ(CurrentFolderOf(dialog), photos);
        PickFiles(dialog, "", QuotedNames({"IMG_0002.JPG", "IMG_0001.JPG"}));
        WaitFor([&] { return IsEnabled(run.Control(IDC_SAVE_ON_PC)); }, "ready to save");
        SetTitle(run, kTitle);
        SaveInto(run, dest);
        const std::string copy1 = "240517_" + kTitle + "_001.jpg";
        const std::string copy2 = "240518_" + kTitle + "_002.jpg";
        ASSERT_EQ(FileNamesIn(dest), (Names{copy1, copy2}));
        EXPECT_EQ(ReadBytes(dest + "\\" + copy1), ReadBytes(first));
        EXPECT_EQ(ReadBytes(dest + "\\" + copy2), ReadBytes(second));
        EXPECT_EQ(run.ExitAndReadSettings(), SettingsWith(photos, dest));
    }
    // The next start: the dialog opens in the photos' folder, the chooser at the copies'.
    BrenvaleRun next;
    const std::string settings = SettingsWith(photos, dest);
    next.WriteSettings(settings);
    next.Start();
    const HWND dialog = next.OpenCamera();
    EXPECT_EQ(CurrentFolderOf(dialog), photos);
    PickFiles(dialog, "", "IMG_0001.JPG");
    WaitFor([&] { return IsEnabled(next.Control(IDC_SAVE_ON_PC)); }, "ready to save");
    const HWND chooser = next.OpenFolderChooser();
    {
        FolderTree tree(chooser, next.Process().Id());
        EXPECT_EQ(tree.TextOf(tree.Selected()), kRussian);
    }
    Click(WaitForControl(chooser, IDCANCEL));
    PressOk(WaitForMessageBox(next.Process().Id(), next.MainWindow()));
    EXPECT_EQ(next.ExitAndReadSettings(), settings);
}

TEST_F(NamesInAnyLanguage, SettingsFileInTheLegacyCodePageIsReadAndRewrittenInUtf8) {
    const std::string photos = Folder(kUberlingen);
    BrenvaleRun run;
    const std::string root1252 = root_.Path() + "\\" + kUberlingen1252;
    run.WriteSettings("[source]\r\n" + root1252 + "\\\r\n[dest]\r\nD:\\" + kUberlingen1252 +
                      "\\\r\n");
    run.Start();
    const HWND dialog = run.OpenCamera();
    EXPECT_EQ(CurrentFolderOf(dialog), photos);
    CancelFileDialog(dialog);
    EXPECT_EQ(run.ExitAndReadSettings(),
              "[source]\r\n" + photos + "\\\r\n[dest]\r\nD:\\" + kUberlingen + "\\\r\n");
}

}  // namespace
}  // namespace brenvale
