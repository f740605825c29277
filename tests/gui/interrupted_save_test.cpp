// Save On PC killed while it saves a big photo, wherever the kill lands (in the copy, the
// flush or the rename): nothing under a photo's name is a part of a photo, and the next
// run into the folder clears up and copies the photos whole.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/folder_chooser.h"
#include "driver/handle.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

constexpr unsigned long long kBigPhotoBytes = 256ull << 20;

unsigned long long SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A photo as big as a long video clip, written a megabyte at a time.
void WriteBigPhoto(const std::string& path) {
    const OwnedHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(file.Get(), INVALID_HANDLE_VALUE);
    std::string chunk(1 << 20, '\0');
    for (unsigned long long done = 0; done < kBigPhotoBytes; done += chunk.size()) {
        for (std::size_t i = 0; i < chunk.size(); i += 4096) {
            chunk.replace(i, 16, std::to_string(done + i) + "                ", 0, 16);
        }
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &written,
                              nullptr));
    }
}

bool SameBytes(const std::string& a, const std::string& b) {
    const OwnedHandle one(
        CreateFileA(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    const OwnedHandle two(
        CreateFileA(b.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (one.Get() == INVALID_HANDLE_VALUE || two.Get() == INVALID_HANDLE_VALUE) return false;
    std::string x(1 << 20, '\0'), y(1 << 20, '\0');
    for (;;) {
        DWORD gotX = 0, gotY = 0;
        if (!ReadFile(one.Get(), &x[0], static_cast<DWORD>(x.size()), &gotX, nullptr) ||
            !ReadFile(two.Get(), &y[0], static_cast<DWORD>(y.size()), &gotY, nullptr) ||
            gotX != gotY || x.compare(0, gotX, y, 0, gotY) != 0) {
            return false;
        }
        if (gotX == 0) return true;
    }
}

class InterruptedSave : public testing::Test {
protected:
    void SetUp() override {
        MakeFolder(dest_);
        run_.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest_ + "\\\r\n");
        WriteBytes(small_, PhotoBytes("2023:07:14 10:15:00", "small"));
        WriteBigPhoto(big_);
    }
    // Starts the program on both photos with a typed date, presses Save On PC and OK.
    void StartSaving() {
        run_.Start("\"" + small_ + "\" \"" + big_ + "\"");
        const std::string date = "2023-07-14";
        AskWindow(run_.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));
        const HWND chooser = run_.OpenFolderChooser();
        Click(WaitForControl(chooser, IDOK));
    }
    std::string Copy(int number) const {
        return dest_ + "\\20230714_picture_00" + std::to_string(number) + ".jpg";
    }

    BrenvaleRun run_;
    testing_support::TempDir destRoot_;
    const std::string dest_ = destRoot_.PathOf("Pictures");
    const std::string small_ = run_.PhotoFolder() + "\\IMG_0001.JPG";
    const std::string big_ = run_.PhotoFolder() + "\\MVI_0002.JPG";
};

TEST_F(InterruptedSave, LeavesNoPartOfAPhotoUnderItsNameAndTheNextRunCopiesItWhole) {
    StartSaving();
    WaitFor([&] { return FileExists(Copy(1)); }, "the small photo's copy named",
            Milliseconds(30000));
    {
        const OwnedHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, run_.Process().Id()));
        ASSERT_TRUE(TerminateProcess(process.Get(), 1));
    }
    run_.Process().WaitForExit();

    // Every photo name holds a whole photo, in order; what is unfinished is in the run's
    // own hidden folder.
    int named = 0;
    for (const std::string& name : EntryNamesIn(dest_)) {
        if (name.rfind("~bv", 0) == 0) continue;
        ++named;
        ASSERT_EQ(name, "20230714_picture_00" + std::to_string(named) + ".jpg");
        if (named == 1) EXPECT_EQ(ReadBytes(Copy(1)), ReadBytes(small_));
        if (named == 2) EXPECT_TRUE(SameBytes(Copy(2), big_));
    }
    ASSERT_GE(named, 1);
    ASSERT_LE(named, 2);

    // Pressed again with the same photos: the leftovers go, the numbers run on.
    StartSaving();
    const MessageBoxView box =
        WaitForMessageBox(run_.Process().Id(), run_.MainWindow(), Milliseconds(50000));
    EXPECT_EQ(box.text, "Fotos successfully saved");
    Names expected;
    for (int i = 1; i <= named + 2; ++i) {
        expected.push_back("20230714_picture_00" + std::to_string(i) + ".jpg");
    }
    EXPECT_EQ(EntryNamesIn(dest_), expected);
    PressOk(box);
    EXPECT_EQ(ReadBytes(Copy(named + 1)), ReadBytes(small_));
    EXPECT_EQ(SizeOf(Copy(named + 2)), kBigPhotoBytes);
    EXPECT_TRUE(SameBytes(Copy(named + 2), big_));
    Click(run_.Control(IDC_EXIT));
    EXPECT_EQ(run_.Process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace brenvale
