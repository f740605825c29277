// The folder chooser through SHBrowseForFolderA, and its callback.
#include "transfer/browse_for_folder.h"

#include <commctrl.h>
#include <io.h>
#include <mbstring.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "framework/dpi_win32.h"
#include "framework/wnd.h"
#include "platform/owner_win32.h"
#include "transfer/chooser_selection.h"
#include "transfer/folder_chooser_layout.h"

namespace {

constexpr int kExistenceMode = 0;

// Copies at most count bytes of a multi-byte path, never half a character.
void CopyPathBytes(char* to, const char* from, unsigned count) {
    _mbsnbcpy(reinterpret_cast<unsigned char*>(to), reinterpret_cast<const unsigned char*>(from),
              count);
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

void SelectInitialFolder(HWND chooser, ChooserSelection& selection) {
    const auto initial = reinterpret_cast<LPARAM>(selection.initialFolder);
    selection.changed = false;
    SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, initial);
    // The shell tells of a selection that worked while the request is sent.
    if (!selection.changed ||
        !transfer::IsSameFolder(selection.selected, selection.initialFolder)) {
        SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, initial);
    }
}

void OnChooserInitialized(HWND chooser, ChooserSelection* selection) {
    SetWindowLongA(chooser, GWL_STYLE, GetWindowLongA(chooser, GWL_STYLE) & ~DS_CONTEXTHELP);
    SetWindowLongA(chooser, GWL_EXSTYLE, GetWindowLongA(chooser, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
    if (selection != nullptr) SelectInitialFolder(chooser, *selection);

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

// Only an existing folder of the file system that is not a shortcut may be chosen. The
// chooser decides on OK for the new item too; this can only take it away.
void OnSelectionChanged(HWND chooser, LPARAM value, ChooserSelection* selection) {
    const auto item = reinterpret_cast<LPCITEMIDLIST>(value);
    char path[kChooserPathRoom];
    std::memset(path, 0, sizeof path);
    const bool hasPath = SHGetPathFromIDListA(item, path) != FALSE;
    bool refused = !hasPath || _access(path, kExistenceMode) != 0;
    if (!refused) {
        // When the shell cannot tell the item's attributes, the existing path decides.
        SHFILEINFOA info = {};
        if (SHGetFileInfoA(reinterpret_cast<LPCSTR>(item), 0, &info, sizeof info,
                           SHGFI_PIDL | SHGFI_ATTRIBUTES) != 0) {
            refused = (info.dwAttributes & SFGAO_LINK) != 0;
        }
    }
    if (selection != nullptr) {
        std::memcpy(selection->selected, path, sizeof path);
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

    // Lives for the whole call: the callback selects the initial folder when the chooser
    // opens.
    ChooserSelection selection;
    std::memset(&selection, 0, sizeof selection);
    // With none remembered, the user's Pictures folder: the current directory may be the
    // memory card's folder that the open-file dialog went to, or the program's own.
    if (initialFolder != nullptr && initialFolder[0] != '\0') {
        CopyPathBytes(selection.initialFolder, initialFolder, kChooserInitialFolderBytes);
    } else if (SHGetFolderPathA(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT,
                                selection.initialFolder) != S_OK) {
        std::memset(selection.initialFolder, 0, sizeof selection.initialFolder);
        GetCurrentDirectoryA(kChooserInitialFolderBytes, selection.initialFolder);
    }

    BROWSEINFOA request = {};
    request.hwndOwner = owner;
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = BrowseCallbackProc;
    request.lParam = reinterpret_cast<LPARAM>(&selection);
    const OwnedShellItem chosen(SHBrowseForFolderA(&request));
    if (!chosen) return false;

    char path[kChooserPathRoom];
    std::memset(path, 0, sizeof path);
    if (!SHGetPathFromIDListA(chosen.Get(), path)) return false;
    std::memset(folder, 0, size);
    CopyPathBytes(folder, path, size - 1);
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
