// The shared window operations of the framework's window objects.
#include "framework/wnd.h"

#include "framework/win_app.h"

CWnd::~CWnd() {
    // The application's main window pointer never outlives the window object.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

LRESULT CWnd::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SetText(const std::string& text) {
    SetWindowTextA(m_hWnd, text.c_str());
}

std::string CWnd::GetText() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    const int length = GetWindowTextA(m_hWnd, &text[0], static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

void CWnd::Focus() {
    SetFocus(m_hWnd);
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~remove) | add));
}

void CWnd::RedrawNow() {
    InvalidateRect(m_hWnd, nullptr, TRUE);
    UpdateWindow(m_hWnd);
}
