// The window handle behind every window object of the framework. A window object never
// owns the window of a dialog control (the dialog destroys its children), and it is never
// copied, so no two objects act on one window as if it were theirs alone.
#pragma once

#include <windows.h>

#include <string>

#include "framework/rect.h"

namespace framework {

inline Rect ToRect(const RECT& rect) {
    return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
            static_cast<int>(rect.bottom)};
}

}  // namespace framework

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND Handle() const { return m_hWnd; }
    // Binds the object to a window that someone else owns.
    void Attach(HWND window) { m_hWnd = window; }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetText(const std::string& text);
    std::string GetText() const;
    void Focus();
    // Clears and sets bits of the window style directly: no enable notification, no
    // redraw. Callers repaint when the change must show at once.
    void ModifyStyle(DWORD remove, DWORD add);
    // Invalidates the whole client area with erasing and paints it at once.
    void RedrawNow();

protected:
    HWND m_hWnd = nullptr;
};
