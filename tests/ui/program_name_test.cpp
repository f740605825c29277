// The program's name in message-box captions comes from the executable's file name.
#include "framework/program_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* path;
    const char* programName;
};

// Failures name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ProgramNameTest : public testing::TestWithParam<Case> {};

TEST_P(ProgramNameTest, IsTheFileNameWithoutItsExtension) {
    EXPECT_EQ(GetParam().programName, framework::ProgramNameFromPath(GetParam().path));
}

const Case kCases[] = {
    {"Usual", "C:\\Program Files\\Brenvale\\brenvale.exe", "brenvale"},
    {"RenamedKeepsItsCase", "Z:\\tmp\\Photo Copier.EXE", "Photo Copier"},
    {"DotsInTheNameKeptUpToTheLast", "C:\\Tools\\my.photo.tool.exe", "my.photo.tool"},
    {"DotInAFolderIsNotAnExtension", "C:\\tools.d\\brenvale", "brenvale"},
    {"NoFolder", "brenvale.exe", "brenvale"},
    {"LongPathPrefix", "\\\\?\\C:\\x\\brenvale.exe", "brenvale"},
    {"Empty", "", ""},
};

// A program renamed 表.exe (0x95 0x5C) on a Japanese Windows keeps its whole name.
TEST(ProgramName, TwoByteCharacterEndingInABackslashByteIsPartOfTheName) {
    EXPECT_EQ("\x95\x5C", framework::ProgramNameFromPath("C:\\Tools\\\x95\x5C.exe", 932));
    EXPECT_EQ("\x95\x5C", framework::ProgramNameFromPath("C:\\\x95\x5C\\\x95\x5C.exe", 932));
}

INSTANTIATE_TEST_SUITE_P(Paths, ProgramNameTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
