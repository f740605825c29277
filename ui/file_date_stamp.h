// The last-write date stamp of a photo, telling the user in the main window's message
// boxes when the file's time cannot be read.
#pragma once

#include <windows.h>

// Writes the short stamp ("yymmdd", the year modulo 1000) of the photo's last-write time
// into stamp; on failure shows why in boxes owned by `owner`, leaves stamp empty and
// returns false.
bool GetFileDateStamp(HWND owner, const char* photoPath, char* stamp);
