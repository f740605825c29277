// Strange and ordinary photos for the date search, made by the tests themselves: bytes
// that look like the start of a camera's JPEG with its Exif header, with date-time texts
// put exactly where a test needs them.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// A date-time text and the offset at which it stands in the photo.
using PlacedText = std::pair<std::size_t, std::string>;

// size bytes: a JPEG start of image and Exif segment marker, then filler that holds no
// colon (so no date-time text can appear by chance), with the texts written over it.
std::string PhotoBytes(std::size_t size, const std::vector<PlacedText>& texts = {});

// A date-time text whose byte at offset is replaced by the given byte.
std::string WithByteAt(std::string text, std::size_t offset, char byte);

}  // namespace testing_support
