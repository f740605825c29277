// Wine runs the program on Linux and keeps its files in Linux's cache whatever the program
// asks: a file opened to be read past the cache (FILE_FLAG_NO_BUFFERING) is read from that
// cache all the same. There the program asks Linux itself to let go of a file's pages.
#pragma once

#include <string>

namespace platform {

// Under Wine on Linux, has Linux drop what it keeps in memory of the file at `path`, whose
// changes are on the disk already, so that the next read of it comes from the disk. 0, also
// on Windows and on other hosts, or the system's error code.
unsigned long LetGoOfHostCache(const std::string& path);

}  // namespace platform
