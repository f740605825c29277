#include "driver/folder_chooser.h"

#include "driver/controls.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

HWND WaitForFolderChooser(DWORD processId, HWND owner, Milliseconds timeout) {
    return WaitForWindow(
        {processId, kDialogClass, std::string(kFolderChooserCaption), owner, "the folder chooser"},
        timeout);
}

FolderChooserLayoutView LayoutOf(HWND chooser) {
    FolderChooserLayoutView view = {};
    RECT window;
    GetWindowRect(chooser, &window);
    view.window = SizeOf(window);
    view.client = ClientSizeOf(chooser);
    view.ok = RectIn(WaitForControl(chooser, IDOK), chooser);
    view.cancel = RectIn(WaitForControl(chooser, IDCANCEL), chooser);
    view.tree = RectIn(WaitForControl(chooser, kFolderTreeId), chooser);
    view.style = StyleOf(chooser);
    view.exStyle = ExStyleOf(chooser);
    return view;
}

FolderTree::FolderTree(HWND chooser, DWORD processId)
    : tree_(WaitForControl(chooser, kFolderTreeId)),
      remote_(processId, sizeof(TVITEMA) + kFolderTextRoom) {}

HTREEITEM FolderTree::Selected() const {
    return reinterpret_cast<HTREEITEM>(AskWindow(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

HTREEITEM FolderTree::ParentOf(HTREEITEM item) const {
    return reinterpret_cast<HTREEITEM>(
        AskWindow(tree_, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

std::string FolderTree::TextOf(HTREEITEM item) const {
    TVITEMA request = {};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = remote_.At(sizeof(TVITEMA));
    request.cchTextMax = static_cast<int>(kFolderTextRoom);
    const char zeros[kFolderTextRoom] = {};
    remote_.Write(0, &request, sizeof request);
    remote_.Write(sizeof(TVITEMA), zeros, sizeof zeros);
    if (!AskWindow(tree_, TVM_GETITEMA, 0, remote_.Address())) {
        throw DriverError("the chooser's tree does not tell an item's text");
    }
    char text[kFolderTextRoom] = {};
    remote_.Read(sizeof(TVITEMA), text, sizeof text - 1);
    return text;
}

bool FolderTree::IsSelectedState(HTREEITEM item) const {
    const LRESULT state =
        AskWindow(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_SELECTED);
    return (state & TVIS_SELECTED) != 0;
}

bool FolderTree::IsInView(HTREEITEM item) const {
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    RECT row = {};
    remote_.Write(0, &row, sizeof row);
    remote_.Write(0, &item, sizeof item);
    if (!AskWindow(tree_, TVM_GETITEMRECT, TRUE, remote_.Address())) return false;
    remote_.Read(0, &row, sizeof row);
    RECT client;
    GetClientRect(tree_, &client);
    return row.top >= client.top && row.bottom <= client.bottom && row.left < client.right &&
           row.right > client.left;
}

HTREEITEM FolderTree::ChildNamed(HTREEITEM parent, const std::string& name) const {
    AskWindow(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    auto child = reinterpret_cast<HTREEITEM>(
        AskWindow(tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
    for (; child != nullptr;
         child = reinterpret_cast<HTREEITEM>(
             AskWindow(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)))) {
        if (TextOf(child) == name) return child;
    }
    throw DriverError("no folder \"" + name + "\" under \"" + TextOf(parent) + "\" in the chooser");
}

std::string FolderTree::SelectedWithParent() const {
    const HTREEITEM selected = Selected();
    if (selected == nullptr) return "(nothing)";
    const HTREEITEM parent = ParentOf(selected);
    return (parent != nullptr ? TextOf(parent) + "\\" : "") + TextOf(selected);
}

void FolderTree::Select(HTREEITEM item) const {
    AskWindow(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

}  // namespace gui_driver
