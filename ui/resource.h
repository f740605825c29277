// Identifiers of Brenvale's resources: the dialogs, their controls, the icon, the string
// of the system-menu entry and its command. Shared by the code and brenvale.rc.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128

#define IDC_OPEN_CAMERA 1000
#define IDC_SAVE_ON_PC 1001
#define IDC_TITLE_LABEL 1004
#define IDC_DATE_LABEL 1005
#define IDC_TITLE 1006
#define IDC_DATE 1007
#define IDC_INFO 1008
#define IDC_FRAME 1009
#define IDC_PROGRESS 1010
#define IDC_LONG_DATE 1011

// The system-menu entry: the low four bits stay clear for the system's own use, and the
// value lies below the system's commands (0xF000 and up).
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
