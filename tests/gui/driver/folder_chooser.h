// The shell's folder chooser ("Browse for Folder") of the program under test: finding it,
// reading its layout, and working its folder tree from this process.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "driver/remote_buffer.h"
#include "driver/wait.h"

namespace gui_driver {

inline constexpr char kFolderChooserCaption[] = "Browse for Folder";
inline constexpr int kFolderTreeId = 0x3741;

// Waits for the chooser of the process, owned by `owner` (any owner when null).
HWND WaitForFolderChooser(DWORD processId, HWND owner, Milliseconds timeout = kDefaultTimeout);

// What a test reads of the chooser's layout: its window and client sizes and, in client
// coordinates, OK, Cancel and the tree.
struct FolderChooserLayoutView {
    SIZE window;
    SIZE client;
    RECT ok;
    RECT cancel;
    RECT tree;
    LONG style;
    LONG exStyle;
};
FolderChooserLayoutView LayoutOf(HWND chooser);

// The chooser's tree of folders in another process. Item texts are read through memory
// lent in that process.
class FolderTree {
public:
    FolderTree(HWND chooser, DWORD processId);

    HTREEITEM Selected() const;
    HTREEITEM ParentOf(HTREEITEM item) const;
    std::string TextOf(HTREEITEM item) const;
    // Whether the item carries the selected state, and whether its row lies inside the
    // tree's visible area (not scrolled away, not under a collapsed folder).
    bool IsSelectedState(HTREEITEM item) const;
    bool IsInView(HTREEITEM item) const;
    HWND Window() const { return tree_; }
    // Expands `parent` (the shell lists the folder then) and returns its child named
    // `name`; throws DriverError when there is none.
    HTREEITEM ChildNamed(HTREEITEM parent, const std::string& name) const;
    // Selects the item as a click on it does; the chooser hears of the change at once.
    void Select(HTREEITEM item) const;
    // What the user sees selected: the folder and the one above it ("Pictures\\Trip"), or
    // "(nothing)".
    std::string SelectedWithParent() const;

private:
    // Room for an item's text.
    static constexpr std::size_t kFolderTextRoom = 520;

    HWND tree_;
    RemoteBuffer remote_;  // a TVITEMA and its text in the chooser's process
};

}  // namespace gui_driver
