// A program's resources read from its exe file, without running it: which resources it
// holds in which language, an icon group, its version numbers.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace gui_driver {

// One resource: its type and name (a number as its digits, or the name), and its language.
struct ResourceEntry {
    std::string type;  // "5" for a dialog (RT_DIALOG) and so on
    std::string name;
    LANGID language;
};
std::vector<ResourceEntry> ListResources(const std::string& exePath);

struct IconImage {
    int width;
    int height;
    int bitsPerPixel;  // 4 for 16 colours, 8 for 256, 32 for colours with transparency
    bool operator==(const IconImage& o) const {
        return width == o.width && height == o.height && bitsPerPixel == o.bitsPerPixel;
    }
};
inline std::ostream& operator<<(std::ostream& out, const IconImage& image) {
    return out << image.width << "x" << image.height << " at " << image.bitsPerPixel << " bits";
}
// The images of the icon group `id` in `language`, in the group's order, as the image
// data itself describes them.
std::vector<IconImage> ReadIconGroup(const std::string& exePath, int id, LANGID language);

// The file and product versions of the version resource, as "a.b.c.d".
struct VersionNumbers {
    std::string file;
    std::string product;
};
VersionNumbers ReadVersionNumbers(const std::string& exePath);

}  // namespace gui_driver
