#include "driver/windows.h"

#include "driver/controls.h"

namespace gui_driver {

namespace {

bool Matches(HWND window, const WindowSpec& spec) {
    if (spec.visibleOnly && !IsWindowVisible(window)) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != spec.processId) return false;
    if (ClassOf(window) != spec.className) return false;
    if (spec.owner != nullptr && OwnerOf(window) != spec.owner) return false;
    // A window may close while it is looked at; then it does not match.
    return !spec.caption || TryTextOf(window) == spec.caption;
}

struct Search {
    const WindowSpec* spec;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (Matches(window, *search->spec)) search->found.push_back(window);
    return TRUE;
}

std::string DescriptionOf(const WindowSpec& spec) {
    if (!spec.description.empty()) return spec.description;
    std::string text = "a window of class " + spec.className;
    if (spec.caption) text += " with the caption \"" + *spec.caption + "\"";
    return text;
}

}  // namespace

std::vector<HWND> FindWindowsLike(const WindowSpec& spec) {
    Search search{&spec, {}};
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindWindowLike(const WindowSpec& spec) {
    const auto found = FindWindowsLike(spec);
    return found.empty() ? nullptr : found.front();
}

HWND WaitForWindow(const WindowSpec& spec, Milliseconds timeout) {
    return WaitFor([&] { return FindWindowLike(spec); }, DescriptionOf(spec), timeout);
}

void WaitForNoWindow(const WindowSpec& spec, Milliseconds timeout) {
    WaitFor([&] { return FindWindowLike(spec) == nullptr; }, DescriptionOf(spec) + " to close",
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
