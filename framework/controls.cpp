// The control wrappers: each operation is the control's own message.
#include "framework/controls.h"

#include <commctrl.h>

void CButton::SetCheck(int state) {
    Send(BM_SETCHECK, static_cast<WPARAM>(state));
}

void CEdit::SetSel(int start, int end) {
    Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void CEdit::ScrollCaret() {
    Send(EM_SCROLLCARET);
}

void CProgressCtrl::SetRange(int low, int high) {
    Send(PBM_SETRANGE, 0, MAKELPARAM(low, high));
}

void CProgressCtrl::SetStep(int step) {
    Send(PBM_SETSTEP, static_cast<WPARAM>(step));
}

int CProgressCtrl::SetPos(int position) {
    return static_cast<int>(Send(PBM_SETPOS, static_cast<WPARAM>(position)));
}

CToolTipCtrl::~CToolTipCtrl() {
    // Usually gone already: an owned popup is destroyed with its owner.
    if (m_hWnd != nullptr && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(const CWnd& owner) {
    m_hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner.Handle(), nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    return m_hWnd != nullptr;
}

bool CToolTipCtrl::AddTool(const CWnd& control, const char* text) {
    TTTOOLINFOA tool = {};
    // The size that every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(control.Handle());
    tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    tool.hinst = GetModuleHandleA(nullptr);
    tool.lpszText = const_cast<char*>(text);  // the control keeps its own copy
    return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
    Send(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::SetMaxTipWidth(int pixels) {
    Send(TTM_SETMAXTIPWIDTH, 0, static_cast<LPARAM>(pixels));
}

void CToolTipCtrl::Activate(bool active) {
    Send(TTM_ACTIVATE, active ? TRUE : FALSE);
}

void CToolTipCtrl::RelayEvent(MSG* message) {
    if (m_hWnd != nullptr) Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
}
