// The application object: Brenvale's whole life is one modal run of the main window.
#pragma once

#include "framework/win_app.h"

class CTransferApp : public CWinApp {
public:
    // Runs the main window with the command line's photos, if any; returns FALSE, so the
    // program ends when the window has ended.
    BOOL InitInstance() override;
};
