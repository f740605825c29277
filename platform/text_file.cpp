// Lines over File, read through a small buffer.
#include "platform/text_file.h"

#include <algorithm>

namespace platform {

unsigned long TextFile::Open(const std::string& path, OpenMode mode) {
    buffer_.clear();
    next_ = 0;
    atEnd_ = false;
    return file_.Open(path, mode);
}

unsigned long TextFile::ReadLine(std::string& line, std::size_t longest, bool& whole, bool& found) {
    line.clear();
    whole = true;
    found = false;
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
            if (line.empty()) return 0;
            break;
        }
        char chunk[4096];
        std::size_t got = 0;
        if (const unsigned long code = file_.Read(chunk, sizeof chunk, got)) return code;
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
    found = true;
    return 0;
}

unsigned long TextFile::WriteLine(const std::string& line) {
    const std::string text = line + "\r\n";
    return file_.Write(text.data(), text.size());
}

unsigned long TextFile::SeekToBegin() {
    buffer_.clear();
    next_ = 0;
    atEnd_ = false;
    return file_.SeekToBegin();
}

unsigned long TextFile::Flush() {
    return file_.Flush();
}

unsigned long TextFile::Close() {
    return file_.Close();
}

}  // namespace platform
