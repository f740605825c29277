// The folder chooser through SHBrowseForFolderA, and its callback. Paths cross the shell's
// wide calls and are converted to the program's code page there, so that a path in any
// script reaches the program whole.
#include "transfer/browse_for_folder.h"

#include <commctrl.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <optional>

#include "framework/dpi_win32.h"
#include "framework/wnd.h"
#include "platform/folder.h"
#include "platform/owner_win32.h"
#include "platform/wide_text_win32.h"
#include "transfer/chooser_selection.h"
#include "transfer/folder_chooser_layout.h"

namespace {

struct FreeTaskMemory {
    bool operator()(PWSTR text) const noexcept {
        CoTaskMemFree(text);
        return true;
    }
};
using OwnedTaskText = platform::Owner<PWSTR, FreeTaskMemory>;

// The item's path in the file system in the program's code page; none for an item outside
// the file system, a path of MAX_PATH or more, or one the code page cannot hold.
std::optional<std::string> PathOfItem(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(item, path)) return std::nullopt;
    return platform::TextFromWide(path);
}

// The user's Pictures folder, whether or not it exists; none when the system names none.
std::optional<std::string> PicturesFolder() {
    PWSTR found = nullptr;
    const HRESULT result =
        SHGetKnownFolderPath(FOLDERID_Pictures, KF_FLAG_DONT_VERIFY, nullptr, &found);
    const OwnedTaskText pictures(found);
    if (FAILED(result) || !pictures) return std::nullopt;
    return platform::TextFromWide(pictures.Get());
}

// Where the chooser may open, in order: the remembered folder or the nearest existing
// folder above it, then the Pictures folder or the nearest existing folder above that.
// Never the current folder: that may be the memory card's, or the program's own.
std::vector<std::string> StartFolders(const char* initialFolder) {
    std::vector<std::string> wanted;
    if (initialFolder != nullptr) wanted = transfer::FoldersToOpenAt(initialFolder);
    if (const std::optional<std::string> pictures = PicturesFolder()) {
        const std::vector<std::string> more = transfer::FoldersToOpenAt(*pictures);
        wanted.insert(wanted.end(), more.begin(), more.end());
    }
    std::vector<std::string> existing;
    for (const std::string& folder : wanted) {
        if (platform::IsFolder(folder)) existing.push_back(folder);
    }
    return existing;
}

// A shell item is freed by the shell's allocator.
struct FreeShellItem {
    bool operator()(LPITEMIDLIST item) const noexcept {
        IMalloc* shellAllocator = nullptr;
        if (FAILED(SHGetMalloc(&shellAllocator)) || shellAllocator == nullptr) return false;
        const platform::OwnedComObject<IMalloc> allocator(shellAllocator);
        allocator.Get()->Free(item);
        return true;
    }
};
using OwnedShellItem = platform::Owner<LPITEMIDLIST, FreeShellItem>;

// The chooser's tree, a direct child; null when the shell's chooser has none.
HWND FolderTreeOf(HWND chooser) {
    return FindWindowExA(chooser, nullptr, "SysTreeView32", nullptr);
}

// The selected folder highlighted and in view: the tree scrolled to it and focused through
// the dialog, so that OK stays the default button.
void ShowSelection(HWND chooser) {
    HWND tree = FolderTreeOf(chooser);
    if (tree == nullptr) return;
    if (HTREEITEM selected = TreeView_GetSelection(tree)) TreeView_EnsureVisible(tree, selected);
    SendMessageA(chooser, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tree), TRUE);
}

// What the callback asks of the chooser for later, by a posted message: once the shell has
// done what it does after the callback returns.
enum class ChooserRequest : WPARAM {
    // Wine's chooser gives OK back after the callback refused a selection: take it away
    // again if the selection current by then is refused.
    kRecheckOk = 1,
    // Wine's chooser puts the focus on OK once it is set up, where the selected folder no
    // longer looks selected: show the selection again.
    kShowSelection,
};

UINT ChooserRequestMessage() {
    static const UINT message = RegisterWindowMessageA("Brenvale.ChooserRequest");
    return message;
}

constexpr UINT_PTR kChooserSubclassId = 1;

// Sees the chooser's messages before the shell does, for the requests above. `data` is the
// ChooserSelection of the chooser, or null.
LRESULT CALLBACK ChooserSubclassProc(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    if (message != 0 && message == ChooserRequestMessage()) {
        const auto* selection = reinterpret_cast<const ChooserSelection*>(data);
        switch (static_cast<ChooserRequest>(wParam)) {
            case ChooserRequest::kRecheckOk:
                if (selection != nullptr && selection->refused) {
                    EnableWindow(GetDlgItem(chooser, IDOK), FALSE);
                }
                break;
            case ChooserRequest::kShowSelection:
                ShowSelection(chooser);
                break;
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(chooser, ChooserSubclassProc, kChooserSubclassId);
    }
    return DefSubclassProc(chooser, message, wParam, lParam);
}

// Posts a request to the chooser; false when it cannot be heard.
bool PostChooserRequest(HWND chooser, ChooserSelection* selection, ChooserRequest request) {
    return ChooserRequestMessage() != 0 &&
           SetWindowSubclass(chooser, ChooserSubclassProc, kChooserSubclassId,
                             reinterpret_cast<DWORD_PTR>(selection)) &&
           PostMessageA(chooser, ChooserRequestMessage(), static_cast<WPARAM>(request), 0);
}

// Whether the chooser shows `folder` selected once asked for it. The shell tells of a
// selection that worked while the request is sent.
bool SelectFolder(HWND chooser, ChooserSelection& selection, const std::string& folder) {
    const std::wstring wide = platform::WideText(folder);
    for (int request = 0; request < 2; ++request) {
        selection.changed = false;
        SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
        if (selection.changed && transfer::IsSameFolder(selection.selected, folder)) return true;
    }
    return false;
}

void SelectStartFolder(HWND chooser, ChooserSelection& selection) {
    for (const std::string& folder : selection.startFolders) {
        if (SelectFolder(chooser, selection, folder)) return;
    }
}

void OnChooserInitialized(HWND chooser, ChooserSelection* selection) {
    SetWindowLongA(chooser, GWL_STYLE, GetWindowLongA(chooser, GWL_STYLE) & ~DS_CONTEXTHELP);
    SetWindowLongA(chooser, GWL_EXSTYLE, GetWindowLongA(chooser, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
    if (selection != nullptr) SelectStartFolder(chooser, *selection);

    HWND tree = FolderTreeOf(chooser);
    if (tree == nullptr) return;  // not the chooser we know: leave it as it is

    // The enlargement and the margins follow the chooser's display scale.
    const int dpi = framework::DpiOfWindow(chooser);
    RECT window;
    GetWindowRect(chooser, &window);
    MoveWindowToRect(chooser, transfer::EnlargedChooserRect(framework::ToRect(window), dpi), TRUE);

    RECT client;
    GetClientRect(chooser, &client);
    HWND cancel = GetDlgItem(chooser, IDCANCEL);
    RECT cancelRect = {};
    if (cancel != nullptr) {
        GetWindowRect(cancel, &cancelRect);
        ScreenRectToClient(chooser, cancelRect);
    }
    const transfer::FolderChooserLayout layout = transfer::LayOutFolderChooser(
        client.right - client.left, client.bottom - client.top, cancelRect.right - cancelRect.left,
        cancelRect.bottom - cancelRect.top, dpi);
    if (cancel != nullptr) MoveWindowToRect(cancel, layout.cancel, FALSE);
    if (HWND ok = GetDlgItem(chooser, IDOK)) MoveWindowToRect(ok, layout.ok, FALSE);
    MoveWindowToRect(tree, layout.tree, FALSE);
    ShowSelection(chooser);
    PostChooserRequest(chooser, selection, ChooserRequest::kShowSelection);
}

// Only an existing folder of the file system that is not a shortcut, and whose path the
// program can take whole, may be chosen. The chooser decides on OK for the new item too;
// this can only take it away.
void OnSelectionChanged(HWND chooser, LPARAM value, ChooserSelection* selection) {
    const auto item = reinterpret_cast<LPCITEMIDLIST>(value);
    const std::optional<std::string> path = PathOfItem(item);
    bool refused = !path || !platform::IsFolder(*path);
    if (!refused) {
        // When the shell cannot tell the item's attributes, the existing folder decides.
        SHFILEINFOW info = {};
        if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof info,
                           SHGFI_PIDL | SHGFI_ATTRIBUTES) != 0) {
            refused = (info.dwAttributes & SFGAO_LINK) != 0;
        }
    }
    if (selection != nullptr) {
        selection->selected = path.value_or(std::string());
        selection->changed = true;
        selection->refused = refused;
    }
    if (refused) {
        EnableWindow(GetDlgItem(chooser, IDOK), FALSE);
        // Windows decides on OK before the callback, Wine after it: the posted request
        // comes after Wine's decision, and changes nothing on Windows. It looks at the
        // selection current when it arrives, which may be a later one that is not refused.
        if (selection != nullptr) {
            PostChooserRequest(chooser, selection, ChooserRequest::kRecheckOk);
        }
    }
}

}  // namespace

bool BrowseForFolder(HWND owner, const char* initialFolder, char* folder, unsigned size) {
    if (folder == nullptr || size < kChooserLeastOutputSize) return false;
    folder[0] = '\0';

    // Lives for the whole call: the callback selects a start folder when the chooser opens.
    ChooserSelection selection;
    selection.startFolders = StartFolders(initialFolder);

    BROWSEINFOA request = {};
    request.hwndOwner = owner;
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = BrowseCallbackProc;
    request.lParam = reinterpret_cast<LPARAM>(&selection);
    const OwnedShellItem chosen(SHBrowseForFolderA(&request));
    if (!chosen) return false;

    // A path is taken whole or not at all: a part of it would be another folder.
    const std::optional<std::string> path = PathOfItem(chosen.Get());
    if (!path || path->empty() || path->size() >= size) return false;
    std::memset(folder, 0, size);
    std::memcpy(folder, path->data(), path->size());
    return true;
}

int CALLBACK BrowseCallbackProc(HWND window, UINT message, LPARAM value, LPARAM data) {
    auto* selection = reinterpret_cast<ChooserSelection*>(data);
    try {
        switch (message) {
            case BFFM_INITIALIZED:
                OnChooserInitialized(window, selection);
                break;
            case BFFM_SELCHANGED:
                OnSelectionChanged(window, value, selection);
                break;
            default:
                break;
        }
    } catch (...) {
        // Out of memory while comparing folders: the chooser stays as the shell shows it.
    }
    return 0;
}

void ScreenRectToClient(HWND window, RECT& rect) {
    POINT topLeft = {rect.left, rect.top};
    POINT bottomRight = {rect.right, rect.bottom};
    ScreenToClient(window, &topLeft);
    ScreenToClient(window, &bottomRight);
    rect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void MoveWindowToRect(HWND window, const framework::Rect& rect, BOOL repaint) {
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               repaint);
}
