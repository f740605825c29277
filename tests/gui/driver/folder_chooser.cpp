#include "driver/folder_chooser.h"

#include <cstddef>

#include "driver/controls.h"
#include "driver/windows.h"

namespace gui_driver {

namespace {

constexpr std::size_t kTextRoom = 520;

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
      process_(
          OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
      remote_(nullptr) {
    if (process_ == nullptr) throw DriverError("cannot open the chooser's process");
    remote_ = VirtualAllocEx(process_, nullptr, sizeof(TVITEMA) + kTextRoom,
                             MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote_ == nullptr) {
        CloseHandle(process_);
        throw DriverError("cannot lend memory in the chooser's process");
    }
}

FolderTree::~FolderTree() {
    VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

HTREEITEM FolderTree::Selected() const {
    return reinterpret_cast<HTREEITEM>(AskWindow(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

HTREEITEM FolderTree::ParentOf(HTREEITEM item) const {
    return reinterpret_cast<HTREEITEM>(
        AskWindow(tree_, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

std::string FolderTree::TextOf(HTREEITEM item) const {
    char* remoteText = static_cast<char*>(remote_) + sizeof(TVITEMA);
    TVITEMA request = {};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = remoteText;
    request.cchTextMax = static_cast<int>(kTextRoom);
    const char zeros[kTextRoom] = {};
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process_, remote_, &request, sizeof request, &moved) ||
        !WriteProcessMemory(process_, remoteText, zeros, sizeof zeros, &moved)) {
        throw DriverError("cannot write to the chooser's process");
    }
    if (!AskWindow(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_))) {
        throw DriverError("the chooser's tree does not tell an item's text");
    }
    char text[kTextRoom] = {};
    if (!ReadProcessMemory(process_, remoteText, text, sizeof text - 1, &moved)) {
        throw DriverError("cannot read from the chooser's process");
    }
    return text;
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

void FolderTree::Select(HTREEITEM item) const {
    AskWindow(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

}  // namespace gui_driver
