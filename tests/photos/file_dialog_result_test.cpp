// The open-file dialog's result read into the photo list.
#include "photos/file_dialog_result.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "photos/photo_list.h"

namespace {

constexpr std::size_t kBufferSize = photos::kFileDialogResultSize;

// The result in a heap block of exactly the buffer's size, the rest NUL as the dialog
// leaves it, so that reading one byte past the buffer is caught by the sanitizer.
std::unique_ptr<char[]> Buffer(const std::string& result, std::size_t size = kBufferSize) {
    std::unique_ptr<char[]> buffer(new char[size]());
    result.copy(buffer.get(), std::min(result.size(), size));
    return buffer;
}

std::vector<std::string> Entries(const CPhotoList& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.emplace_back(list.GetAt(i));
    return entries;
}

struct Case {
    const char* name;
    std::string result;  // the bytes the dialog wrote, NULs included
    std::vector<std::string> photos;
    std::string folder;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class FileDialogResultTest : public testing::TestWithParam<Case> {};

TEST_P(FileDialogResultTest, FillsTheListSortedAndGivesTheFolderText) {
    const auto buffer = Buffer(GetParam().result);
    ASSERT_TRUE(photos::IsCompleteFileDialogResult(buffer.get(), kBufferSize));
    CPhotoList list;
    list.Add("E:\\old\\IMG_0099.JPG");  // the photos of the last save run are replaced
    std::string folder = "E:\\old\\";
    photos::ParseFileDialogResult(buffer.get(), kBufferSize, list, folder);
    EXPECT_EQ(GetParam().photos, Entries(list));
    EXPECT_EQ(GetParam().folder, folder);
}

using std::string_literals::operator""s;

const Case kCases[] = {
    {"OnePhotoIsItsFullPath",
     "E:\\DCIM\\100CANON\\IMG_0001.JPG\0"s,
     {"E:\\DCIM\\100CANON\\IMG_0001.JPG"},
     ""},
    {"ThreePhotosAreJoinedToTheFolderAndSortedByByte",
     "E:\\DCIM\\100CANON\0IMG_9.JPG\0IMG_10.JPG\0Beach.jpg\0"s,
     {"E:\\DCIM\\100CANON\\Beach.jpg", "E:\\DCIM\\100CANON\\IMG_10.JPG",
      "E:\\DCIM\\100CANON\\IMG_9.JPG"},
     "E:\\DCIM\\100CANON"},
    {"DriveRootGivesTwoBackslashesInARow",
     "E:\\\0b.jpg\0a.jpg\0"s,
     {"E:\\\\a.jpg", "E:\\\\b.jpg"},
     "E:\\"},
    {"NamesWithBlanksAndDotsStayWhole",
     "C:\\My Photos\0x y.jpg\0..jpg\0"s,
     {"C:\\My Photos\\..jpg", "C:\\My Photos\\x y.jpg"},
     "C:\\My Photos"},
    {"NothingPickedGivesNoPhoto", ""s, {}, ""},
};

INSTANTIATE_TEST_SUITE_P(Results, FileDialogResultTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// Names of 12 characters, as a camera gives them, from the 16-character folder
// E:\DCIM\100CANON.
std::string CameraSelection(int names) {
    std::string result = "E:\\DCIM\\100CANON"s + '\0';
    for (int i = 0; i < names; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
        result += name;
        result += '\0';
    }
    return result + '\0';
}

// A memory card's folder holds up to 999 photos: picked all at once, they are all taken.
TEST(FileDialogResult, AWholeCameraFolderIsTakenWhole) {
    const std::string result = CameraSelection(999);
    ASSERT_EQ(13005u, result.size());
    const auto buffer = Buffer(result);
    ASSERT_TRUE(photos::IsCompleteFileDialogResult(buffer.get(), kBufferSize));
    CPhotoList list;
    std::string folder;
    photos::ParseFileDialogResult(buffer.get(), kBufferSize, list, folder);
    ASSERT_EQ(999, list.Count());
    EXPECT_STREQ("E:\\DCIM\\100CANON\\IMG_0000.JPG", list.GetAt(0));
    EXPECT_STREQ("E:\\DCIM\\100CANON\\IMG_0998.JPG", list.GetAt(998));
    EXPECT_EQ("E:\\DCIM\\100CANON", folder);
}

// A result whose closing NULs fall at the buffer's last two bytes still counts; one byte
// later it has been cut off, as some systems hand back a selection that did not fit.
TEST(FileDialogResult, CompleteOnlyWithBothClosingNulsInsideTheBuffer) {
    const std::string folder = "E:\\DCIM"s + '\0';
    std::string fits = folder + std::string(kBufferSize - folder.size() - 2, 'a') + '\0';
    const auto whole = Buffer(fits);
    EXPECT_TRUE(photos::IsCompleteFileDialogResult(whole.get(), kBufferSize));
    CPhotoList list;
    std::string parsedFolder;
    photos::ParseFileDialogResult(whole.get(), kBufferSize, list, parsedFolder);
    ASSERT_EQ(1, list.Count());
    EXPECT_EQ(kBufferSize - 2, std::string(list.GetAt(0)).size());

    fits.back() = 'a';  // the name now runs to the buffer's last byte, then its NUL
    const auto cut = Buffer(fits);
    EXPECT_FALSE(photos::IsCompleteFileDialogResult(cut.get(), kBufferSize));
}

TEST(FileDialogResult, CutOffSelectionIsRefusedAndReadsNothingPastTheBuffer) {
    // 2519 such names need 32765 bytes and fit; 2520 need 32778.
    const std::string tooMany = CameraSelection(2520);
    ASSERT_EQ(32778u, tooMany.size());
    const std::vector<std::string> cutOffs = {
        tooMany.substr(0, kBufferSize),             // names up to the last byte, no end mark
        std::string(kBufferSize, 'x'),              // a single path filling every byte
        tooMany.substr(0, kBufferSize - 1) + '\0',  // one NUL at the very end only
    };
    for (const std::string& cutOff : cutOffs) {
        const auto buffer = Buffer(cutOff);
        EXPECT_FALSE(photos::IsCompleteFileDialogResult(buffer.get(), kBufferSize));
        CPhotoList list;
        list.Add("E:\\old\\IMG_0099.JPG");
        std::string folder = "E:\\old\\";
        photos::ParseFileDialogResult(buffer.get(), kBufferSize, list, folder);
        EXPECT_EQ(0, list.Count());
        EXPECT_EQ("", folder);
    }
}

TEST(FileDialogResult, TwoNulsAreTheSmallestCompleteResult) {
    const char nul[2] = {'\0', '\0'};
    EXPECT_FALSE(photos::IsCompleteFileDialogResult(nul, 0));
    EXPECT_FALSE(photos::IsCompleteFileDialogResult(nul, 1));
    EXPECT_TRUE(photos::IsCompleteFileDialogResult(nul, 2));
}

}  // namespace
