#include "driver/resources.h"

#include <cstring>
#include <iterator>

#include "driver/wait.h"
#include "platform/owner_win32.h"

namespace gui_driver {

namespace {

struct ResourceBytes {
    const BYTE* data;
    size_t size;
};

// The exe loaded as a file of resources, not as code.
class ResourceFile {
public:
    explicit ResourceFile(const std::string& exePath)
        : module_(LoadLibraryExA(exePath.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
          path_(exePath) {
        if (!module_) {
            throw DriverError("cannot read the resources of " + exePath + " (error " +
                              std::to_string(GetLastError()) + ")");
        }
    }

    // The resource `id` of `type` in `language`; throws DriverError naming `what` when
    // there is none.
    ResourceBytes Find(LPCSTR type, int id, LANGID language, const std::string& what) const {
        const HRSRC found = FindResourceExA(module_.Get(), type, MAKEINTRESOURCEA(id), language);
        if (!found) throw DriverError("no " + what + " in " + path_);
        const auto* data =
            static_cast<const BYTE*>(LockResource(LoadResource(module_.Get(), found)));
        if (!data) throw DriverError("cannot load the " + what + " of " + path_);
        return {data, SizeofResource(module_.Get(), found)};
    }
    HMODULE Module() const { return module_.Get(); }

private:
    struct FreeModule {
        bool operator()(HMODULE module) const noexcept { return FreeLibrary(module) != FALSE; }
    };
    platform::Owner<HMODULE, FreeModule> module_;
    std::string path_;
};

std::string NameOf(LPCSTR name) {
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
}

template <class T>
T ReadAt(const ResourceBytes& bytes, size_t offset, const std::string& what) {
    if (offset + sizeof(T) > bytes.size) throw DriverError(what + " ends too early");
    T value;
    std::memcpy(&value, bytes.data + offset, sizeof(T));
    return value;
}

// Collects every type, name and language while the system walks the resources.
struct Listing {
    std::vector<ResourceEntry> entries;
    std::string type;
    std::string name;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR context) {
    auto* listing = reinterpret_cast<Listing*>(context);
    listing->entries.push_back({listing->type, listing->name, language});
    return TRUE;
}

BOOL CALLBACK ListLanguages(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
    reinterpret_cast<Listing*>(context)->name = NameOf(name);
    EnumResourceLanguagesA(module, type, name, AddLanguage, context);
    return TRUE;
}

BOOL CALLBACK ListNames(HMODULE module, LPSTR type, LONG_PTR context) {
    reinterpret_cast<Listing*>(context)->type = NameOf(type);
    EnumResourceNamesA(module, type, ListLanguages, context);
    return TRUE;
}

// An icon's large images are PNG files: the signature, then the header chunk "IHDR" with
// the width and height (big-endian), the bits per channel and the colour type.
constexpr BYTE kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

IconImage PngImage(const ResourceBytes& image, const std::string& what) {
    constexpr size_t kHeader = sizeof kPngSignature + 8;  // after the chunk's length and type
    if (image.size < kHeader + 10 || std::memcmp(image.data + 12, "IHDR", 4) != 0) {
        throw DriverError(what + " is a PNG without its header");
    }
    const auto bigEndian = [&](size_t at) {
        return static_cast<int>(image.data[at] << 24 | image.data[at + 1] << 16 |
                                image.data[at + 2] << 8 | image.data[at + 3]);
    };
    const int depth = image.data[kHeader + 8];
    // Grey, -, RGB, palette, grey and alpha, -, RGB and alpha.
    const int channels[] = {1, 0, 3, 1, 2, 0, 4};
    const int type = image.data[kHeader + 9];
    if (type >= static_cast<int>(std::size(channels)) || channels[type] == 0) {
        throw DriverError(what + " is a PNG of an unknown colour type");
    }
    return {bigEndian(kHeader), bigEndian(kHeader + 4), depth * channels[type]};
}

std::string VersionText(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

}  // namespace

std::vector<ResourceEntry> ListResources(const std::string& exePath) {
    const ResourceFile file(exePath);
    Listing listing;
    EnumResourceTypesA(file.Module(), ListNames, reinterpret_cast<LONG_PTR>(&listing));
    return listing.entries;
}

std::vector<IconImage> ReadIconGroup(const std::string& exePath, int id, LANGID language) {
    const ResourceFile file(exePath);
    const std::string what = "icon group " + std::to_string(id);
    const ResourceBytes group = file.Find(RT_GROUP_ICON, id, language, what);
    // A group: reserved, type and count words, then 14 bytes per image ending with the
    // image's own resource id.
    const auto count = ReadAt<WORD>(group, 4, what);
    std::vector<IconImage> images;
    for (WORD i = 0; i < count; ++i) {
        const auto imageId = ReadAt<WORD>(group, 6 + i * 14 + 12, what);
        const std::string imageWhat = "icon image " + std::to_string(imageId);
        const ResourceBytes image = file.Find(RT_ICON, imageId, language, imageWhat);
        if (image.size >= sizeof kPngSignature &&
            std::memcmp(image.data, kPngSignature, sizeof kPngSignature) == 0) {
            images.push_back(PngImage(image, imageWhat));
            continue;
        }
        const auto header = ReadAt<BITMAPINFOHEADER>(image, 0, imageWhat);
        if (header.biSize != sizeof(BITMAPINFOHEADER)) {
            throw DriverError(imageWhat + " is no bitmap");
        }
        // The height counts the colour bitmap and the transparency mask.
        images.push_back({header.biWidth, header.biHeight / 2, header.biBitCount});
    }
    return images;
}

VersionNumbers ReadVersionNumbers(const std::string& exePath) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exePath.c_str(), &ignored);
    std::vector<BYTE> block(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(exePath.c_str(), 0, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) ||
        length < sizeof *info) {
        throw DriverError("no version resource in " + exePath);
    }
    return {VersionText(info->dwFileVersionMS, info->dwFileVersionLS),
            VersionText(info->dwProductVersionMS, info->dwProductVersionLS)};
}

}  // namespace gui_driver
