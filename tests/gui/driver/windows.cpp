#include "driver/windows.h"

#include "driver/controls.h"

namespace gui_driver {

namespace {

bool Matches(HWND window, const WantedWindow& wanted) {
    if (wanted.visibleOnly && !IsWindowVisible(window)) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != wanted.processId) return false;
    if (ClassOf(window) != wanted.className) return false;
    if (wanted.owner != nullptr && OwnerOf(window) != wanted.owner) return false;
    // A window may close while it is looked at; then it does not match.
    return !wanted.caption || TryTextOf(window) == wanted.caption;
}

struct Search {
    const WantedWindow* wanted;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (Matches(window, *search->wanted)) search->found.push_back(window);
    return TRUE;
}

std::string DescriptionOf(const WantedWindow& wanted) {
    if (!wanted.description.empty()) return wanted.description;
    std::string text = "a window of class " + wanted.className;
    if (wanted.caption) text += " with the caption \"" + *wanted.caption + "\"";
    return text;
}

}  // namespace

std::vector<HWND> FindWindowsLike(const WantedWindow& wanted) {
    Search search{&wanted, {}};
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindWindowLike(const WantedWindow& wanted) {
    const auto found = FindWindowsLike(wanted);
    return found.empty() ? nullptr : found.front();
}

HWND WaitForWindow(const WantedWindow& wanted, Milliseconds timeout) {
    return WaitFor([&] { return FindWindowLike(wanted); }, DescriptionOf(wanted), timeout);
}

void WaitForNoWindow(const WantedWindow& wanted, Milliseconds timeout) {
    WaitFor([&] { return FindWindowLike(wanted) == nullptr; }, DescriptionOf(wanted) + " to close",
            timeout);
}

HWND WaitForControl(HWND parent, int id, Milliseconds timeout) {
    return WaitFor([&] { return GetDlgItem(parent, id); },
                   "control " + std::to_string(id) + " of " + Describe(parent), timeout);
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::string Describe(HWND window) {
    if (window == nullptr) return "no window";
    if (!IsWindow(window)) return "a window that no longer exists";
    const std::string className = ClassOf(window);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        return "control " + std::to_string(IdOf(window)) + " (" + className + ") of " +
               Describe(GetParent(window));
    }
    return "\"" + TryTextOf(window).value_or("") + "\" (" + className + ")";
}

}  // namespace gui_driver
