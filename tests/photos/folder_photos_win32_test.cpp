// The folder walk as only Windows shows it: folders and files that Explorer does not show,
// marked hidden or system by Windows itself; reparse points that are links and those that
// are not; names that Windows takes for devices.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "photos/folder_photos.h"
#include "photos/photo_list.h"
#include "platform/folder_win32.h"
#include "test_support.h"

// The system's own answer, from ntdll: the offset and length of the device's name in the
// path, 0 when the path names no device.
extern "C" NTSYSAPI ULONG NTAPI RtlIsDosDeviceName_U(PCWSTR path);

using testing_support::TempDir;

namespace {

bool Mark(const std::string& path, DWORD attributes) {
    return SetFileAttributesA(path.c_str(), attributes) &&
           (GetFileAttributesA(path.c_str()) & attributes) == attributes;
}

}  // namespace

TEST(FolderPhotosOnWindows, HiddenAndSystemFoldersAndFilesAreLeftOut) {
    TempDir card;
    for (const char* folder : {"DCIM/100CANON", "DCIM/PRIVATE", "FOUND.000"}) {
        std::filesystem::create_directories(card.Native(folder));
    }
    for (const char* file : {"DCIM/100CANON/IMG_0001.JPG", "DCIM/100CANON/IMG_0002.JPG",
                             "DCIM/PRIVATE/IMG_0003.JPG", "FOUND.000/FILE0000.JPG"}) {
        card.Write(file, "photo");
    }
    if (!Mark(card.PathOf("DCIM\\PRIVATE"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN) ||
        !Mark(card.PathOf("FOUND.000"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM) ||
        !Mark(card.PathOf("DCIM\\100CANON\\IMG_0002.JPG"), FILE_ATTRIBUTE_HIDDEN)) {
        GTEST_SKIP() << "this file system keeps no hidden or system marks";
    }
    CPhotoList list;
    photos::LeftOut leftOut;
    EXPECT_EQ(1, photos::AddPhotosBelow(card.Path(), list, leftOut));
    ASSERT_EQ(1, list.Count());
    EXPECT_EQ(card.PathOf("DCIM\\100CANON\\IMG_0001.JPG"), list.GetAt(0));
    EXPECT_TRUE(leftOut.problems.empty());
}

namespace {

struct FindData {
    const char* what;
    DWORD attributes;
    DWORD reparseTag;  // dwReserved0
    bool isFolder;
    bool isLink;
};

// Entries as FindFirstFileA describes them on Windows, which Wine cannot make: the
// attributes and reparse tags of OneDrive's placeholders, deduplicated and archived files,
// links, junctions and mount points.
const FindData kFindData[] = {
    {"a synced day folder not yet on this PC", 0x00400410, IO_REPARSE_TAG_CLOUD_6, true, false},
    {"a synced photo kept online only", 0x00501420, IO_REPARSE_TAG_CLOUD_6, false, false},
    {"a folder of a synced Pictures folder", 0x00000410, IO_REPARSE_TAG_CLOUD, true, false},
    {"a deduplicated photo", 0x00000620, IO_REPARSE_TAG_DEDUP, false, false},
    {"an archived folder", 0x00001410, IO_REPARSE_TAG_HSM, true, false},
    {"a symbolic link to a folder", 0x00000410, IO_REPARSE_TAG_SYMLINK, true, true},
    {"a symbolic link to a photo", 0x00000420, IO_REPARSE_TAG_SYMLINK, false, true},
    {"a junction", 0x00000410, IO_REPARSE_TAG_MOUNT_POINT, true, true},
    {"a Linux link to a folder under Wine, without a tag", 0x00000410, 0, true, true},
    {"a plain folder, whatever dwReserved0 holds", 0x00000010, IO_REPARSE_TAG_SYMLINK, true, false},
};

}  // namespace

TEST(FolderEntryOfFindData, OnlyReparsePointsThatNameAnotherPlaceAreLinks) {
    for (const FindData& data : kFindData) {
        WIN32_FIND_DATAA found{};
        found.dwFileAttributes = data.attributes;
        found.dwReserved0 = data.reparseTag;
        std::strcpy(found.cFileName, "2023-07-14");
        const platform::FolderEntry entry = platform::FolderEntryOf(found);
        EXPECT_EQ(entry.name, "2023-07-14") << data.what;
        EXPECT_EQ(entry.isFolder, data.isFolder) << data.what;
        EXPECT_EQ(entry.isLink, data.isLink) << data.what;
        EXPECT_FALSE(entry.isHidden) << data.what;
    }
}

TEST(DeviceNameOnWindows, IsWhatTheSystemTakesForADevice) {
    for (const char* path : {"NUL.jpg",
                             "E:\\DCIM\\100CANON\\nul.JPG",
                             "COM1.jpg",
                             "com9.x.jpg",
                             "LPT1 .jpg",
                             "LPT1  .jpg",
                             "AUX",
                             "Con.",
                             "CON..jpg",
                             "E:prn.jpg",
                             "E:/DCIM/Aux.Jpg",
                             "NUL:x.jpg",
                             "COM0.jpg",
                             "COM10.jpg",
                             "NULL.jpg",
                             "CONSOLE.jpg",
                             "xNUL.jpg",
                             "NUL_1.jpg",
                             "E:\\NUL\\a.jpg",
                             "LPT.jpg",
                             " NUL.jpg",
                             "IMG_0001.JPG"}) {
        const std::wstring wide(path, path + std::strlen(path));
        EXPECT_EQ(platform::IsDeviceName(path), RtlIsDosDeviceName_U(wide.c_str()) != 0) << path;
    }
}
