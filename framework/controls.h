// Thin wrappers of the dialog controls the program uses. Buttons, edits and the progress
// bar are bound to the dialog's own child windows; the tooltip control creates, and so
// owns, its window.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CButton : public CWnd {
public:
    void SetCheck(int state);
};

class CEdit : public CWnd {
public:
    // Selects from start to end; end -1 selects to the end of the text.
    void SetSel(int start, int end);
    void ScrollCaret();
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(int low, int high);
    void SetStep(int step);
    // Returns the previous position.
    int SetPos(int position);
};

// Tooltips for the controls of a window. Mouse messages reach the tips through
// RelayEvent, which the window's PreTranslateMessage calls for every message.
class CToolTipCtrl : public CWnd {
public:
    ~CToolTipCtrl() override;

    // Creates the tooltip window, a popup owned by owner.
    bool Create(const CWnd& owner);
    // A tool covering the control's whole window, identified by that window.
    bool AddTool(const CWnd& control, const char* text);
    void SetDelayTime(DWORD which, int milliseconds);
    void SetMaxTipWidth(int pixels);
    void Activate(bool active);
    void RelayEvent(MSG* message);
};
