// The information dialog: the program's name, version and what it does, closed with its
// Exit button or Escape.
#pragma once

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    // Run without parent: the main window owns it while it is open.
    CAboutDlg();
};
