// Photos as a camera writes them, made by the tests: a real JPEG image (8 × 8 grey
// pixels) whose Exif header holds the date and time it was taken.
#pragma once

#include <string>

namespace brenvale {

// A whole JPEG file with the Exif date-time text `dateTime` ("2023:07:14 10:15:00") and a
// comment `comment` that tells the photos apart.
std::string CameraPhoto(const std::string& dateTime, const std::string& comment);

}  // namespace brenvale
