// The information dialog has no behaviour of its own beyond showing its template.
#include "ui/about_dlg.h"

#include "ui/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
