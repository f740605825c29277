// A program's resources read from its exe file, without running it: which resources it
// holds in which language, its string table, an icon group, its version numbers.
#pragma once

#include <windows.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace gui_driver {

struct ResourceBytes {
    const BYTE* data;
    size_t size;
};

// The exe loaded as a file of resources, not as code.
class ResourceFile {
public:
    explicit ResourceFile(const std::string& exePath);
    ~ResourceFile();
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    // The resource `id` of `type` in `language`; throws DriverError naming `what` when
    // there is none.
    ResourceBytes Find(LPCSTR type, int id, LANGID language, const std::string& what) const;
    HMODULE Module() const { return module_; }

private:
    HMODULE module_;
    std::string path_;
};

// One resource: its type and name (a number as its digits, or the name), and its language.
struct ResourceEntry {
    std::string type;  // "5" for a dialog (RT_DIALOG) and so on
    std::string name;
    LANGID language;
};
std::vector<ResourceEntry> ListResources(const std::string& exePath);

// Every string of the string table in `language`, by id, as the exe stores it (UTF-16).
std::map<UINT, std::wstring> ReadStringTable(const std::string& exePath, LANGID language);

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
