// The destination folder chooser: its layout in the running program against the shell's
// own chooser, OK refused for a folder that has gone, and BrowseForFolder's results when
// this test answers the chooser itself.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <atomic>
#include <string>
#include <thread>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/folder_chooser.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/outside.h"
#include "driver/windows.h"
#include "photo_files.h"
#include "transfer/browse_for_folder.h"

namespace brenvale {
namespace {

using namespace gui_driver;

SIZE SizeOf(const RECT& r) {
    return {r.right - r.left, r.bottom - r.top};
}

// A chooser shown by this process on a thread of its own, answered from the test's thread.
// Its buttons get their commands directly: a click can go astray while the chooser is busy.
class ChooserHere {
public:
    // `selects`: the chooser selects a first folder, and is ready once it has.
    template <class Show>
    ChooserHere(Show show, bool selects = true)
        : selects_(selects), thread_([this, show] {
              // The shell's chooser wants COM in a single-threaded apartment on its thread.
              const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
              show();
              if (SUCCEEDED(com)) CoUninitialize();
              done_ = true;
          }) {}
    ~ChooserHere() {
        if (!done_ && window_ != nullptr) PostCommand(IDCANCEL);
        thread_.join();
    }
    ChooserHere(const ChooserHere&) = delete;
    ChooserHere& operator=(const ChooserHere&) = delete;

    // The chooser, once it has selected its first folder.
    HWND Window() {
        if (window_ == nullptr) {
            window_ = WaitForFolderChooser(GetCurrentProcessId(), nullptr);
            const HWND tree = WaitForControl(window_, kFolderTreeId);
            if (selects_) {
                WaitFor([&] { return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0; },
                        "the chooser to select its first folder");
            }
        }
        return window_;
    }
    // Presses a button of the chooser and waits until it has gone.
    void Answer(int button) {
        PostCommand(button);
        WaitFor([&] { return done_.load(); }, "the chooser to close");
    }

private:
    void PostCommand(int button) {
        PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(Window(), button)));
    }

    const bool selects_;
    std::atomic<bool> done_{false};
    HWND window_ = nullptr;
    std::thread thread_;
};

// The shell's chooser as it opens without Brenvale's callback, shown and cancelled here.
FolderChooserLayoutView PlainChooserLayout() {
    ChooserHere chooser(
        [] {
            BROWSEINFOA request = {};
            request.ulFlags = BIF_RETURNONLYFSDIRS;
            if (LPITEMIDLIST item = SHBrowseForFolderA(&request)) CoTaskMemFree(item);
        },
        false);
    const FolderChooserLayoutView layout = LayoutOf(chooser.Window());
    chooser.Answer(IDCANCEL);
    return layout;
}

class Chooser : public testing::Test {
protected:
    void SetUp() override {
        MakeFolder(dest_);
        run_.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest_ + "\\\r\n");
        const std::string photo = run_.PhotoFolder() + "\\IMG_0001.JPG";
        WriteBytes(photo, PhotoBytes("2023:07:14 10:15:00", ""));
        run_.Start("\"" + photo + "\"");
        run_.MainWindow();
    }
    void Cancel(HWND chooser) {
        Click(WaitForControl(chooser, IDCANCEL));
        PressOk(WaitForMessageBox(run_.Process().Id(), run_.MainWindow()));
    }

    BrenvaleRun run_;
    testing_support::TempDir destRoot_;
    const std::string dest_ = destRoot_.PathOf("Pictures");
};

TEST_F(Chooser, IsLargerWithTheButtonsBottomRightAndTheTreeAbove) {
    const FolderChooserLayoutView plain = PlainChooserLayout();
    // Twice: each opening starts again from the shell's size.
    for (int opening = 0; opening < 2; ++opening) {
        const HWND chooser = run_.OpenFolderChooser();
        const FolderChooserLayoutView seen = LayoutOf(chooser);
        EXPECT_EQ(seen.window.cx, plain.window.cx + 40);
        EXPECT_EQ(seen.window.cy, plain.window.cy + 30);
        const LONG w = seen.client.cx;
        const LONG h = seen.client.cy;
        EXPECT_EQ(w, plain.client.cx + 40);
        EXPECT_EQ(h, plain.client.cy + 30);
        // Cancel keeps the shell's size; OK gets the same.
        const SIZE cancel = SizeOf(seen.cancel);
        EXPECT_EQ(cancel.cx, SizeOf(plain.cancel).cx);
        EXPECT_EQ(cancel.cy, SizeOf(plain.cancel).cy);
        EXPECT_EQ(seen.cancel.right, w - 5);
        EXPECT_EQ(seen.cancel.bottom, h - 5);
        EXPECT_EQ(SizeOf(seen.ok).cx, cancel.cx);
        EXPECT_EQ(SizeOf(seen.ok).cy, cancel.cy);
        EXPECT_EQ(seen.ok.right + 10, seen.cancel.left);
        EXPECT_EQ(seen.ok.top, seen.cancel.top);
        EXPECT_EQ(seen.tree.left, 5);
        EXPECT_EQ(seen.tree.top, 5);
        EXPECT_EQ(seen.tree.right, w - 5);
        EXPECT_EQ(seen.tree.bottom, seen.ok.top - 5);
        EXPECT_EQ(seen.style & DS_CONTEXTHELP, 0);
        EXPECT_EQ(seen.exStyle & WS_EX_CONTEXTHELP, 0);
        Cancel(chooser);
    }
}

// What the user sees selected when the chooser opens: the folder and the one above it.
std::string SelectedFolder(HWND chooser, DWORD processId) {
    const FolderTree tree(chooser, processId);
    const HTREEITEM selected = tree.Selected();
    if (selected == nullptr) return "(nothing)";
    const HTREEITEM parent = tree.ParentOf(selected);
    return (parent != nullptr ? tree.TextOf(parent) + "\\" : "") + tree.TextOf(selected);
}

// A user's folders change between two imports: a new folder beside the destination, a
// file saved next to it. Each time the chooser must open at the destination itself.
TEST_F(Chooser, OpensAtTheRememberedFolderItselfTenTimesInARowAsFoldersAppearBesideIt) {
    const std::string root = destRoot_.Path().substr(destRoot_.Path().rfind('\\') + 1);
    for (int opening = 1; opening <= 10; ++opening) {
        MakeFolder(destRoot_.PathOf("Trip " + std::to_string(opening)));
        gui_driver::WriteFilesOutside(destRoot_.Path(),
                                      {"notes " + std::to_string(opening) + ".txt"}, "list");
        // The changes came some minutes apart, as between two imports.
        gui_driver::BackdateOutside(destRoot_.Path(), 100 - 3 * opening);
        const HWND chooser = run_.OpenFolderChooser();
        ASSERT_EQ(SelectedFolder(chooser, run_.Process().Id()), root + "\\Pictures")
            << "opening " << opening;
        if (opening < 10) {
            Cancel(chooser);
            continue;
        }
        // The copy lands in the folder the user saw selected.
        Click(WaitForControl(chooser, IDOK));
        const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), run_.MainWindow());
        EXPECT_EQ(box.text, "Fotos successfully saved");
        PressOk(box);
        EXPECT_EQ(FileNamesIn(dest_), std::vector<std::string>{"230714_picture_001.jpg"});
    }
}

// A folder deleted in a file manager while the chooser shows it cannot be chosen; an
// existing one can, and the copy goes there.
TEST_F(Chooser, AFolderRemovedAfterItWasListedLeavesOkDisabledAndAnExistingOneEnablesIt) {
    MakeFolder(dest_ + "\\gone");
    MakeFolder(dest_ + "\\kept");
    const HWND chooser = run_.OpenFolderChooser();
    const HWND ok = WaitForControl(chooser, IDOK);
    {
        FolderTree tree(chooser, run_.Process().Id());
        const HTREEITEM gone = tree.ChildNamed(tree.Selected(), "gone");
        gui_driver::RemoveFolderOutside(dest_ + "\\gone");
        tree.Select(gone);
        // The chooser may decide on OK after the program has: look again for a second.
        WaitUntilEquals([&] { return IsEnabled(ok); }, false, "OK to be disabled for \"gone\"",
                        Milliseconds(1000));
        tree.Select(tree.ChildNamed(tree.ParentOf(gone), "kept"));
        WaitUntilEquals([&] { return IsEnabled(ok); }, true, "OK to be enabled for \"kept\"");
    }
    Click(ok);
    const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), run_.MainWindow());
    EXPECT_EQ(box.text, "Fotos successfully saved");
    PressOk(box);
    EXPECT_EQ(FileNamesIn(dest_ + "\\kept"), std::vector<std::string>{"230714_picture_001.jpg"});
    EXPECT_FALSE(FileExists(dest_ + "\\gone"));
}

// The callback's own judgement of a new selection, on a window of this test's own that has
// an OK button as the chooser has.
TEST(BrowseCallbackProc, TakesOkAwayFromAnythingButAnExistingFolderAndNeverGivesItBack) {
    testing_support::TempDir dir;
    const std::string kept = dir.PathOf("kept");
    const std::string gone = dir.PathOf("gone");
    MakeFolder(kept);
    MakeFolder(gone);
    LPITEMIDLIST goneItem = nullptr;
    LPITEMIDLIST keptItem = nullptr;
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHParseDisplayName(std::wstring(gone.begin(), gone.end()).c_str(), nullptr, &goneItem,
                                 0, nullptr),
              S_OK);
    ASSERT_EQ(SHParseDisplayName(std::wstring(kept.begin(), kept.end()).c_str(), nullptr, &keptItem,
                                 0, nullptr),
              S_OK);
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    ASSERT_TRUE(RemoveDirectoryA(gone.c_str()));

    const HWND chooser = CreateWindowA("STATIC", "chooser", WS_POPUP, 0, 0, 100, 100, nullptr,
                                       nullptr, nullptr, nullptr);
    const HWND ok = CreateWindowA("BUTTON", "OK", WS_CHILD, 0, 0, 50, 20, chooser,
                                  reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
    ASSERT_NE(ok, nullptr);
    const auto select = [&](LPITEMIDLIST item) {
        EXPECT_EQ(BrowseCallbackProc(chooser, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item), 0),
                  0);
    };
    // Whether the callback asked the chooser, by a posted message, to keep OK disabled.
    const auto askedToDisableOk = [&] {
        MSG message;
        const bool posted =
            PeekMessageA(&message, chooser, BFFM_ENABLEOK, BFFM_ENABLEOK, PM_REMOVE);
        return posted && message.lParam == FALSE;
    };
    for (LPITEMIDLIST refused : {goneItem, computer}) {
        EnableWindow(ok, TRUE);
        select(refused);
        EXPECT_FALSE(IsWindowEnabled(ok));
        EXPECT_TRUE(askedToDisableOk());
    }
    select(keptItem);
    EXPECT_FALSE(IsWindowEnabled(ok));  // the chooser's own rule gives OK back, not the callback
    EnableWindow(ok, TRUE);
    select(keptItem);
    EXPECT_TRUE(IsWindowEnabled(ok));
    EXPECT_FALSE(askedToDisableOk());
    DestroyWindow(chooser);
    for (LPITEMIDLIST item : {goneItem, computer, keptItem}) CoTaskMemFree(item);
}

TEST(BrowseForFolder, TooSmallABufferShowsNothingAndLeavesItAlone) {
    char buffer[259] = "kept";
    EXPECT_FALSE(BrowseForFolder(nullptr, "C:\\", buffer, sizeof buffer));
    EXPECT_FALSE(BrowseForFolder(nullptr, "C:\\", nullptr, 600));
    EXPECT_STREQ(buffer, "kept");
}

}  // namespace
}  // namespace brenvale
