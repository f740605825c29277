// The ids of Brenvale's windows, controls and system-menu entry as the GUI tests find them.
// They are written down here, not taken from the program's resource header, so that a
// changed id fails a test instead of moving the test along with it.
#pragma once

#include <windows.h>

namespace brenvale {

constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_MAIN = 102;

constexpr int IDC_OPEN_CAMERA = 1000;
constexpr int IDC_SAVE_ON_PC = 1001;
constexpr int IDC_TITLE_LABEL = 1004;
constexpr int IDC_DATE_LABEL = 1005;
constexpr int IDC_TITLE = 1006;
constexpr int IDC_DATE = 1007;
constexpr int IDC_INFO = 1008;
constexpr int IDC_FRAME = 1009;
constexpr int IDC_PROGRESS = 1010;
constexpr int IDC_LONG_DATE = 1011;
constexpr int IDC_EXIT = IDOK;

constexpr WPARAM IDM_ABOUTBOX = 0x0010;

// German (Germany), the language of all of Brenvale's resources.
constexpr LANGID kResourceLanguage = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

}  // namespace brenvale
