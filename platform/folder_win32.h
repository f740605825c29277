// A folder's entry as FindFirstFileA and FindNextFileA describe it, turned into what
// Brenvale goes by.
#pragma once

#include <windows.h>

#include "platform/folder.h"

namespace platform {

// Hidden and system entries are hidden. A link is a reparse point whose tag names another
// place (a symbolic link, a junction, a mount point); other reparse points (placeholders
// of synced files, deduplicated or archived files and folders) are entries like any other.
FolderEntry FolderEntryOf(const WIN32_FIND_DATAA& found);

}  // namespace platform
