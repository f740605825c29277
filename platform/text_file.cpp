// Lines over File, read through a small buffer.
#include "platform/text_file.h"

#include <algorithm>

namespace platform {

bool TextFile::Open(const std::string& path, OpenMode mode, FileError* error) {
    buffer_.clear();
    next_ = 0;
    atEnd_ = false;
    return file_.Open(path, mode, error);
}

bool TextFile::ReadLine(std::string& line) {
    bool whole = true;
    return ReadLine(line, std::string::npos, whole);
}

bool TextFile::ReadLine(std::string& line, std::size_t longest, bool& whole) {
    line.clear();
    whole = true;
    // One byte more than the longest is kept, for the CR of a CR LF.
    const std::size_t room = longest == std::string::npos ? longest : longest + 1;
    auto keep = [&](std::size_t count) {
        const std::size_t kept = std::min(count, room - line.size());
        line.append(buffer_, next_, kept);
        if (kept < count) whole = false;
    };
    for (;;) {
        const std::size_t end = buffer_.find('\n', next_);
        if (end != std::string::npos) {
            keep(end - next_);
            next_ = end + 1;
            if (whole && !line.empty() && line.back() == '\r') line.pop_back();
            break;
        }
        keep(buffer_.size() - next_);
        buffer_.clear();
        next_ = 0;
        if (atEnd_) {
            if (line.empty()) return false;
            break;
        }
        char chunk[4096];
        const std::size_t got = file_.Read(chunk, sizeof chunk);
        if (got == 0) {
            atEnd_ = true;
        } else {
            buffer_.assign(chunk, got);
        }
    }
    if (line.size() > longest) {
        line.resize(longest);
        whole = false;
    }
    return true;
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

void TextFile::Flush() {
    file_.Flush();
}

void TextFile::Close() {
    file_.Close();
}

}  // namespace platform
