#include "photo_corpus.h"

#include <algorithm>
#include <stdexcept>

namespace testing_support {

std::string PhotoBytes(std::size_t size, const std::vector<PlacedText>& texts) {
    static const char kHeader[] =
        "\xFF\xD8\xFF\xE1\x10\x00"
        "Exif\0\0II*\0";
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        char byte = static_cast<char>(state >> 16);
        if (byte == ':') byte = ';';
        bytes[i] = byte;
    }
    bytes.replace(0, std::min(size, sizeof kHeader - 1), kHeader,
                  std::min(size, sizeof kHeader - 1));
    for (const PlacedText& text : texts) {
        if (text.first + text.second.size() > size) throw std::logic_error("text beyond photo");
        bytes.replace(text.first, text.second.size(), text.second);
    }
    return bytes;
}

std::string WithByteAt(std::string text, std::size_t offset, char byte) {
    text.at(offset) = byte;
    return text;
}

}  // namespace testing_support
