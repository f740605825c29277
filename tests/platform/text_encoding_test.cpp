#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool utf8;
};

class Utf8Check : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Check, TellsUtf8FromLegacyText) {
    EXPECT_EQ(GetParam().utf8, platform::IsUtf8(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Check,
    ::testing::Values(Utf8Case{"Empty", "", true}, Utf8Case{"Ascii", "E:\\DCIM\\100CANON\\", true},
                      Utf8Case{"TwoByteLetter",
                               "Z:\\\xC3\x9C"
                               "berlingen\\",
                               true},
                      Utf8Case{"ThreeByteLetters", "\xE5\x86\x99\xE7\x9C\x9F", true},
                      Utf8Case{"FourByteLetter", "\xF0\x9F\x93\xB7", true},
                      Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
                      Utf8Case{"Cp1252Letter",
                               "Z:\\\xDC"
                               "berlingen\\",
                               false},
                      Utf8Case{"Cp1252LetterAtTheEnd", "caf\xE9", false},
                      Utf8Case{"LoneContinuationByte",
                               "a\x80"
                               "b",
                               false},
                      Utf8Case{"LeadByteCutOffAtTheEnd", "a\xE5\x86", false},
                      Utf8Case{"LeadByteFollowedByAscii",
                               "\xC3"
                               "A",
                               false},
                      Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                      Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
                      Utf8Case{"OverlongFourBytes", "\xF0\x80\x80\xAF", false},
                      Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                      Utf8Case{"AboveTheHighestCodePoint", "\xF4\x90\x80\x80", false},
                      Utf8Case{"ByteNeverUsed", "\xFF", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
