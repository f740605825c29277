// Lines over File, read through a small buffer.
#include "platform/text_file.h"

namespace platform {

bool TextFile::Open(const std::string& path, OpenMode mode, FileError* error) {
    buffer_.clear();
    next_ = 0;
    atEnd_ = false;
    return file_.Open(path, mode, error);
}

bool TextFile::ReadLine(std::string& line) {
    line.clear();
    for (;;) {
        const std::size_t end = buffer_.find('\n', next_);
        if (end != std::string::npos) {
            line.append(buffer_, next_, end - next_);
            next_ = end + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        line.append(buffer_, next_, std::string::npos);
        buffer_.clear();
        next_ = 0;
        if (atEnd_) return !line.empty();
        char chunk[4096];
        const std::size_t got = file_.Read(chunk, sizeof chunk);
        if (got == 0) {
            atEnd_ = true;
        } else {
            buffer_.assign(chunk, got);
        }
    }
}

void TextFile::WriteLine(const std::string& line) {
    const std::string text = line + "\r\n";
    file_.Write(text.data(), text.size());
}

void TextFile::SeekToBegin() {
    file_.SeekToBegin();
    buffer_.clear();
    next_ = 0;
    atEnd_ = false;
}

void TextFile::Close() {
    file_.Close();
}

}  // namespace platform
