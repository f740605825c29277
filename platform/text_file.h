// A line-based text file over File. Reading takes CR LF and a lone LF as line ends, and
// a last line without an end still counts; writing ends every line with CR LF.
#pragma once

#include <string>

#include "platform/file.h"

namespace platform {

class TextFile {
public:
    bool Open(const std::string& path, OpenMode mode, FileError* error = nullptr);
    // The next line without its line end; false at the end of the file. Throws FileError.
    bool ReadLine(std::string& line);
    // As ReadLine, keeping at most the first longest bytes of the line in memory: whole
    // tells whether that was all of it. A longer line is still read to its end.
    bool ReadLine(std::string& line, std::size_t longest, bool& whole);
    // Writes the text and CR LF. Throws FileError.
    void WriteLine(const std::string& line);
    void SeekToBegin();
    // Writes what the system still holds of the file through to the disk. Throws FileError.
    void Flush();
    void Close();

private:
    File file_;
    std::string buffer_;
    std::size_t next_ = 0;
    bool atEnd_ = false;
};

}  // namespace platform
