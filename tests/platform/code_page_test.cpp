// The last backslash of a path read character by character in the ANSI code page. Under
// Wine these tests ask the real system which bytes lead a two-byte character.
#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    const char* name;
    unsigned codePage;
    std::string path;
    std::size_t lastBackslash;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class LastBackslashTest : public testing::TestWithParam<Case> {};

TEST_P(LastBackslashTest, IsFoundCharacterByCharacter) {
    EXPECT_EQ(GetParam().lastBackslash,
              platform::FindLastBackslash(GetParam().path, GetParam().codePage));
}

constexpr std::size_t npos = std::string::npos;

// In Shift-JIS the folder name 表 (table) is 0x95 0x5C and ソ (so) is 0x83 0x5C: their
// second byte is the backslash's.
const Case kCases[] = {
    {"JapaneseFolderNameIsNotCut", 932, "C:\\\x95\x5C\\IMG_0001.JPG", 5},
    {"JapaneseNameEndingInTrailBackslash", 932, "C:\\DCIM\\\x95\x5C", 7},
    {"OnlyTrailBackslashesMeansNone", 932, "\x83\x5C\x95\x5C", npos},
    {"HalfWidthKatakanaIsOneByte", 932, "C:\\\xB1\\a.jpg", 4},
    {"LeadByteAtTheEndStandsAlone", 932, "C:\\a\\\x95", 4},
    {"BackslashRightAfterATwoByteCharacter", 932, "\x95\x5C\x5C", 2},
    {"SimplifiedChinese", 936, "D:\\\x81\x5C", 2},
    {"Korean", 949, "D:\\\xFE\x5C", 2},
    {"TraditionalChinese", 950, "D:\\\xA5\x5C\\x.jpg", 5},
    {"WesternPageTakesEveryBackslashByte", 1252, "C:\\\x95\x5C", 4},
    {"DriveRoot", 1252, "E:\\", 2},
    // In UTF-8 no letter holds a backslash byte, whatever byte stands before it.
    {"Utf8TakesEveryBackslashByte", 65001, "C:\\\xE8\xA1\xA8\\\x95\x5C", 8},
    {"NoBackslash", 1252, "brenvale.exe", npos},
    {"Empty", 932, "", npos},
};

INSTANTIATE_TEST_SUITE_P(Paths, LastBackslashTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// The lead bytes of the double-byte code pages as Windows defines them, so that the native
// build finds the same folders as the program on an East Asian Windows.
TEST(LeadBytes, AreThoseOfTheDoubleByteCodePages) {
    struct Range {
        unsigned codePage;
        unsigned first, last, first2, last2;
    };
    const Range ranges[] = {
        {932, 0x81, 0x9F, 0xE0, 0xFC},
        {936, 0x81, 0xFE, 0x81, 0xFE},
        {949, 0x81, 0xFE, 0x81, 0xFE},
        {950, 0x81, 0xFE, 0x81, 0xFE},
        {1252, 1, 0, 1, 0},  // none
        {437, 1, 0, 1, 0},
    };
    for (const Range& r : ranges) {
        for (unsigned byte = 0; byte < 256; ++byte) {
            const bool expected =
                (byte >= r.first && byte <= r.last) || (byte >= r.first2 && byte <= r.last2);
            EXPECT_EQ(expected, platform::IsLeadByte(r.codePage, static_cast<unsigned char>(byte)))
                << "code page " << r.codePage << ", byte " << byte;
        }
    }
}

// How long a path is to the system's file calls: UTF-16 units. Under Wine the system
// converts the text itself.
struct WideCase {
    const char* name;
    unsigned codePage;
    std::string text;
    std::size_t units;
};

void PrintTo(const WideCase& c, std::ostream* os) {
    *os << c.name;
}

class WideLengthTest : public testing::TestWithParam<WideCase> {};

TEST_P(WideLengthTest, CountsTheUnitsTheSystemMakes) {
    EXPECT_EQ(GetParam().units, platform::WideLength(GetParam().text, GetParam().codePage));
}

// "Фото" is 8 bytes and 4 units, "写真" 6 bytes and 2, the camera emoji 4 bytes and 2
// units (a surrogate pair); in Shift-JIS "写真" is 4 bytes and 2 units.
const WideCase kWideCases[] = {
    {"CyrillicLettersAreOneUnitEach", 65001, "C:\\\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE", 7},
    {"BeyondTheBasicPlaneIsTwoUnits", 65001, "\xF0\x9F\x93\xB7.jpg", 6},
    {"WesternPageIsOneUnitPerByte", 1252,
     "\xDC"
     "berlingen",
     10},
    {"ShiftJisCharacterIsOneUnit", 932, "\x8E\xCA\x90\x5E\\a", 4},
};

INSTANTIATE_TEST_SUITE_P(Texts, WideLengthTest, testing::ValuesIn(kWideCases),
                         [](const testing::TestParamInfo<WideCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
