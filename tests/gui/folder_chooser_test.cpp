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
#include "driver/file_dialog.h"
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
        WriteBytes(photo_, PhotoBytes("2023:07:14 10:15:00", ""));
        run_.Start("\"" + photo_ + "\"");
        run_.MainWindow();
    }
    void Cancel(HWND chooser) {
        Click(WaitForControl(chooser, IDCANCEL));
        PressOk(WaitForMessageBox(run_.Process().Id(), run_.MainWindow()));
    }

    BrenvaleRun run_;
    testing_support::TempDir destRoot_;
    const std::string dest_ = destRoot_.PathOf("Pictures");
    const std::string photo_ = run_.PhotoFolder() + "\\IMG_0001.JPG";
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

std::string SelectedFolder(HWND chooser, DWORD processId) {
    return FolderTree(chooser, processId).SelectedWithParent();
}

// What the user sees of the chooser's selection: the folder highlighted in view, the
// keyboard in the tree, and OK still the button that Enter presses.
void ExpectSelectionShown(HWND chooser, DWORD processId) {
    const FolderTree tree(chooser, processId);
    WaitUntilEquals([&] { return FocusIn(chooser) == tree.Window(); }, true,
                    "the chooser's tree to have the focus");
    const HTREEITEM selected = tree.Selected();
    ASSERT_NE(selected, nullptr);
    EXPECT_TRUE(tree.IsSelectedState(selected));
    EXPECT_TRUE(tree.IsInView(selected));
    EXPECT_EQ(DefaultButtonIdOf(chooser), IDOK);
}

// The remembered folder lies below thirty others, out of the tree's first view. A save that
// failed after the user picked another folder opens the chooser again at the remembered
// one, and the user must see that it is that one.
TEST_F(Chooser, ShowsTheRememberedFolderHighlightedInViewAlsoAfterAFailedSave) {
    const std::string root = destRoot_.Path().substr(destRoot_.Path().rfind('\\') + 1);
    for (int i = 1; i <= 30; ++i) MakeFolder(destRoot_.PathOf("Archive " + std::to_string(i)));
    MakeFolder(dest_ + "\\Trip");
    // A typed date: the copy is the first to meet the photo that another program holds.
    const std::string date = "2023-07-14";
    AskWindow(run_.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));
    HWND chooser = run_.OpenFolderChooser();
    ASSERT_EQ(SelectedFolder(chooser, run_.Process().Id()), root + "\\Pictures");
    ExpectSelectionShown(chooser, run_.Process().Id());
    {
        const FolderTree tree(chooser, run_.Process().Id());
        tree.Select(tree.ChildNamed(tree.Selected(), "Trip"));
    }
    // Another program holds the photo: the save fails.
    HANDLE held = CreateFileA(photo_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Click(WaitForControl(chooser, IDOK));
    const MessageBoxView box = WaitForMessageBox(run_.Process().Id(), run_.MainWindow());
    CloseHandle(held);
    EXPECT_EQ(box.text.rfind("Error Source ", 0), 0u) << box.text;
    PressOk(box);

    chooser = run_.OpenFolderChooser();
    EXPECT_EQ(SelectedFolder(chooser, run_.Process().Id()), root + "\\Pictures");
    ExpectSelectionShown(chooser, run_.Process().Id());
    Cancel(chooser);
    EXPECT_EQ(FileNamesIn(dest_ + "\\Trip"), std::vector<std::string>{});
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

// The first time there is no remembered folder, and the open-file dialog has made the
// photos' folder (a memory card's) the current one: the chooser opens at the user's
// Pictures folder instead, where pressing OK at once cannot copy onto the card.
TEST(FirstChooser, OpensAtThePicturesFolderNotAtThePhotosFolder) {
    char pictures[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, pictures),
              S_OK);
    const std::string wanted = pictures;
    const std::size_t last = wanted.rfind('\\');
    ASSERT_NE(last, std::string::npos);
    const std::size_t parent = wanted.rfind('\\', last - 1);
    ASSERT_NE(parent, std::string::npos);

    BrenvaleRun run;
    ASSERT_FALSE(run.Settings());
    WriteBytes(run.PhotoFolder() + "\\IMG_0001.JPG", PhotoBytes("2023:07:14 10:15:00", ""));
    run.Start();
    PickFiles(run.OpenCamera(), run.PhotoFolder(), QuotedNames({"IMG_0001.JPG"}));
    const HWND chooser = run.OpenFolderChooser();
    EXPECT_EQ(SelectedFolder(chooser, run.Process().Id()), wanted.substr(parent + 1));
    ExpectSelectionShown(chooser, run.Process().Id());
    Click(WaitForControl(chooser, IDCANCEL));
    PressOk(WaitForMessageBox(run.Process().Id(), run.MainWindow()));
    EXPECT_EQ(FileNamesIn(run.PhotoFolder()), std::vector<std::string>{"IMG_0001.JPG"});
}

// A window of this test's own in the chooser's place: an OK button, and BFFM_ENABLEOK
// handled as the shell's chooser handles it.
LRESULT CALLBACK StandInChooserProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BFFM_ENABLEOK) {
        EnableWindow(GetDlgItem(window, IDOK), lParam != FALSE);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The callback's own judgement of new selections, told of them as Wine's chooser tells it:
// the chooser decides on OK by its own rule after the callback has returned.
class CallbackOnStandIn : public testing::Test {
protected:
    void SetUp() override {
        MakeFolder(kept_);
        MakeFolder(gone_);
        ASSERT_EQ(SHParseDisplayName(std::wstring(gone_.begin(), gone_.end()).c_str(), nullptr,
                                     &goneItem_, 0, nullptr),
                  S_OK);
        ASSERT_EQ(SHParseDisplayName(std::wstring(kept_.begin(), kept_.end()).c_str(), nullptr,
                                     &keptItem_, 0, nullptr),
                  S_OK);
        ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer_), S_OK);
        ASSERT_TRUE(RemoveDirectoryA(gone_.c_str()));

        WNDCLASSA standIn = {};
        standIn.lpfnWndProc = StandInChooserProc;
        standIn.hInstance = GetModuleHandleA(nullptr);
        standIn.lpszClassName = "BrenvaleStandInChooser";
        RegisterClassA(&standIn);  // fails harmlessly when an earlier test registered it
        chooser_ = CreateWindowA(standIn.lpszClassName, "chooser", WS_POPUP, 0, 0, 100, 100,
                                 nullptr, nullptr, standIn.hInstance, nullptr);
        ok_ = CreateWindowA("BUTTON", "OK", WS_CHILD, 0, 0, 50, 20, chooser_,
                            reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
        ASSERT_NE(ok_, nullptr);
    }
    void TearDown() override {
        if (chooser_ != nullptr) DestroyWindow(chooser_);
        for (LPITEMIDLIST item : {goneItem_, computer_, keptItem_}) CoTaskMemFree(item);
    }

    // The callback hears of the item; then the chooser's own rule gives OK back, as Wine's
    // does for any folder of the file system, the callback's refusal notwithstanding.
    void Select(LPITEMIDLIST item, void* data) {
        EXPECT_EQ(BrowseCallbackProc(chooser_, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item),
                                     reinterpret_cast<LPARAM>(data)),
                  0);
        EnableWindow(ok_, TRUE);
    }
    // Lets what the callback posted to the chooser arrive.
    void Settle() {
        MSG message;
        while (PeekMessageA(&message, chooser_, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }

    testing_support::TempDir dir_;
    const std::string kept_ = dir_.PathOf("kept");
    const std::string gone_ = dir_.PathOf("gone");
    LPITEMIDLIST goneItem_ = nullptr;
    LPITEMIDLIST keptItem_ = nullptr;
    LPITEMIDLIST computer_ = nullptr;
    ChooserSelection selection_ = {};  // outlives the chooser, which keeps a pointer to it
    HWND chooser_ = nullptr;
    HWND ok_ = nullptr;
};

TEST_F(CallbackOnStandIn, TakesOkAwayFromAFolderThatHasGoneAndFromAnItemOutsideTheFiles) {
    for (LPITEMIDLIST refused : {goneItem_, computer_}) {
        Select(refused, &selection_);
        Settle();
        EXPECT_FALSE(IsWindowEnabled(ok_));
    }
    Select(keptItem_, &selection_);
    Settle();
    EXPECT_TRUE(IsWindowEnabled(ok_));
}

// As the chooser opens, a first selection can land on a refused item and a second one on
// the remembered folder before the chooser gets to its queue: OK stays for that folder.
TEST_F(CallbackOnStandIn, ARefusedSelectionFollowedByAnExistingFolderLeavesOkEnabled) {
    for (LPITEMIDLIST refused : {goneItem_, computer_}) {
        Select(refused, &selection_);
        Select(keptItem_, &selection_);
        Settle();
        EXPECT_TRUE(IsWindowEnabled(ok_));
    }
}

TEST_F(CallbackOnStandIn, NeverGivesOkBackItself) {
    EnableWindow(ok_, FALSE);
    BrowseCallbackProc(chooser_, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(keptItem_),
                       reinterpret_cast<LPARAM>(&selection_));
    Settle();
    EXPECT_FALSE(IsWindowEnabled(ok_));
}

// Without a selection record the callback still refuses at once.
TEST_F(CallbackOnStandIn, WithoutItsRecordRefusesAtOnce) {
    BrowseCallbackProc(chooser_, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(goneItem_), 0);
    EXPECT_FALSE(IsWindowEnabled(ok_));
}

TEST(BrowseForFolder, TooSmallABufferShowsNothingAndLeavesItAlone) {
    char buffer[259] = "kept";
    EXPECT_FALSE(BrowseForFolder(nullptr, "C:\\", buffer, sizeof buffer));
    EXPECT_FALSE(BrowseForFolder(nullptr, "C:\\", nullptr, 600));
    EXPECT_STREQ(buffer, "kept");
}

}  // namespace
}  // namespace brenvale
