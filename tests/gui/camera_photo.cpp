#include "camera_photo.h"

#include <cstdint>

namespace brenvale {

namespace {

// The image after its start marker: quantisation and Huffman tables, frame, scan, end.
const char kImage[] =
    "\xFF\xDB\x00\x43\x00\x10\x0B\x0C\x0E\x0C\x0A\x10\x0E\x0D\x0E\x12"
    "\x11\x10\x13\x18\x28\x1A\x18\x16\x16\x18\x31\x23\x25\x1D\x28\x3A"
    "\x33\x3D\x3C\x39\x33\x38\x37\x40\x48\x5C\x4E\x40\x44\x57\x45\x37"
    "\x38\x50\x6D\x51\x57\x5F\x62\x67\x68\x67\x3E\x4D\x71\x79\x70\x64"
    "\x78\x5C\x65\x67\x63\xFF\xC0\x00\x0B\x08\x00\x08\x00\x08\x01\x01"
    "\x11\x00\xFF\xC4\x00\x14\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x05\xFF\xC4\x00\x16\x10\x00\x03\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x15\x62"
    "\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x7D\xE5\x1F\xFF\xD9";

void AppendBigEndian16(std::string& out, std::size_t value) {
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

// An APP1 segment "Exif": a little-endian TIFF header and one directory whose single entry,
// DateTime (0x0132), points at the 20-byte text after the directory.
std::string ExifSegment(const std::string& dateTime) {
    std::string tiff("II\x2A\x00\x08\x00\x00\x00", 8);
    tiff += std::string("\x01\x00", 2);          // one entry
    tiff += std::string("\x32\x01\x02\x00", 4);  // DateTime, ASCII
    tiff += std::string("\x14\x00\x00\x00", 4);  // 20 bytes with the terminator
    tiff += std::string("\x1A\x00\x00\x00", 4);  // at offset 26
    tiff += std::string("\x00\x00\x00\x00", 4);  // no next directory
    tiff += dateTime.substr(0, 19) + std::string(1, '\0');
    std::string segment("\xFF\xE1", 2);
    AppendBigEndian16(segment, 2 + 6 + tiff.size());
    segment += std::string("Exif\0\0", 6) + tiff;
    return segment;
}

std::string CommentSegment(const std::string& comment) {
    std::string segment("\xFF\xFE", 2);
    AppendBigEndian16(segment, 2 + comment.size());
    return segment + comment;
}

}  // namespace

std::string CameraPhoto(const std::string& dateTime, const std::string& comment) {
    return std::string("\xFF\xD8", 2) + ExifSegment(dateTime) + CommentSegment(comment) +
           std::string(kImage, sizeof kImage - 1);
}

}  // namespace brenvale
