// A line-based text file over File. Reading takes CR LF and a lone LF as line ends, and
// a last line without an end still counts; writing ends every line with CR LF. Every call
// returns 0 or the system's error code, as File's do.
#pragma once

#include <string>

#include "platform/file.h"

namespace platform {

class TextFile {
public:
    unsigned long Open(const std::string& path, OpenMode mode);
    // The next line without its line end, keeping at most the first `longest` bytes of it in
    // memory: `whole` tells whether that was all of it (a longer line is still read to its
    // end). `found` is false at the end of the file.
    unsigned long ReadLine(std::string& line, std::size_t longest, bool& whole, bool& found);
    // Writes the text and CR LF.
    unsigned long WriteLine(const std::string& line);
    unsigned long SeekToBegin();
    // Writes what the system still holds of the file through to the disk.
    unsigned long Flush();
    unsigned long Close();

private:
    File file_;
    std::string buffer_;
    std::size_t next_ = 0;
    bool atEnd_ = false;
};

}  // namespace platform
