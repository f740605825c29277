// Taking the program's name off the command line, as Windows programs receive it.
#include "framework/command_line_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* line;
    const char* arguments;
};

// Failures name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class CommandLineTextTest : public testing::TestWithParam<Case> {};

TEST_P(CommandLineTextTest, LeavesTheArgumentsInPlace) {
    const Case& c = GetParam();
    const char* text = framework::CommandLineText(c.line);
    EXPECT_EQ(std::string(c.arguments), text);
    // A pointer into the line itself, never a copy: it lives as long as the process.
    EXPECT_EQ(c.line + std::strlen(c.line), text + std::strlen(text));
}

const Case kCases[] = {
    {"PlainNameNoArguments", "brenvale.exe", ""},
    {"EmptyLine", "", ""},
    {"PlainNameOnlyBlanks", "brenvale.exe    ", ""},
    {"QuotedNameNoArguments", "\"C:\\Program Files\\Brenvale\\brenvale.exe\"", ""},
    {"QuotedNameOnlyBlanks", "\"C:\\Program Files\\brenvale.exe\"   ", ""},
    {"QuotedNameWithBlanks", "\"C:\\Program Files\\brenvale.exe\" E:\\a.jpg", "E:\\a.jpg"},
    {"QuotedNameWithoutBlankAfterIt", "\"C:\\Apps\\brenvale.exe\"E:\\a.jpg", "E:\\a.jpg"},
    {"UnclosedQuoteTakesTheWholeLine", "\"C:\\My Apps\\brenvale.exe E:\\a.jpg", ""},
    {"TabsAfterTheName", "brenvale.exe\t\tE:\\a.jpg", "E:\\a.jpg"},
    {"TabEndsAPlainName", "brenvale.exe\tE:\\a.jpg", "E:\\a.jpg"},
    {"AllControlCharactersAfterTheName", "brenvale.exe \x01\x1f\x0d\x0a E:\\a.jpg", "E:\\a.jpg"},
    {"ControlCharacterEndsAPlainName",
     "brenvale.exe\x01"
     "E:\\a.jpg",
     "E:\\a.jpg"},
    {"QuotesAndBlanksOfTheArgumentsKept", "brenvale.exe \"E:\\My Photos\\a.jpg\"  E:\\b.jpg  ",
     "\"E:\\My Photos\\a.jpg\"  E:\\b.jpg  "},
    {"BlanksInsideTheArgumentsKept", "brenvale.exe a.jpg\tb.jpg", "a.jpg\tb.jpg"},
    // Bytes from 128 up are letters of the system code page, never separators.
    {"AccentedLettersInThePlainName", "Br\xe9nvale\xa0.exe a.jpg", "a.jpg"},
    {"AccentedLetterStartsTheArguments", "brenvale.exe \xe9t\xe9.jpg", "\xe9t\xe9.jpg"},
    {"DeleteCharacterIsNoBlank",
     "brenvale.exe \x7f"
     "a.jpg",
     "\x7f"
     "a.jpg"},
    {"LoneQuoteAsName", "\"", ""},
    {"EmptyQuotedName", "\"\" a.jpg", "a.jpg"},
};

INSTANTIATE_TEST_SUITE_P(Lines, CommandLineTextTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
