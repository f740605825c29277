#include "photos/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "photos/photo_list.h"
#include "platform/file_error.h"
#include "test_support.h"

using testing_support::TempDir;

namespace {

struct TokenCase {
    const char* name;
    std::string commandLine;
    std::vector<std::string> entries;  // after sorting
};

std::vector<std::string> Parse(const std::string& commandLine) {
    CPhotoList list;
    list.Add("left over from before");
    photos::FillFromCommandLine(commandLine.c_str(), list);
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.emplace_back(list.GetAt(i));
    return entries;
}

const std::string kLongPath = "E:\\" + std::string(292, 'p') + "\\a.jpg";  // 300 characters

const TokenCase kTokenCases[] = {
    {"TwoPaths", "E:\\a.jpg E:\\b.jpg", {"E:\\a.jpg", "E:\\b.jpg"}},
    {"QuotedPathWithBlankSortsByBytes",
     "\"E:\\My Photos\\b.jpg\" E:\\a.jpg",
     {"E:\\My Photos\\b.jpg", "E:\\a.jpg"}},
    {"RunsOfBlanksAndTrailingBlanks", "  E:\\a.jpg    E:\\b.jpg   ", {"E:\\a.jpg", "E:\\b.jpg"}},
    {"TabDoesNotSeparate", "a.jpg\tb.jpg", {"a.jpg\tb.jpg"}},
    {"QuoteInsideATokenEndsIt", "E:\\\"My Photos\"\\a.jpg", {"E:\\My Photos", "\\a.jpg"}},
    {"UnclosedQuoteAtTheEnd", "\"E:\\My Photos\\a.jpg", {"E:\\My Photos\\a.jpg"}},
    {"LoneQuoteAfterAPath", "E:\\a.jpg\"", {"E:\\a.jpg"}},
    {"EmptyQuotesGiveAnEmptyEntryThatSortsFirst", "E:\\a.jpg \"\"", {"", "E:\\a.jpg"}},
    {"LoneQuoteGivesNothing", "\"", {}},
    {"EmptyText", "", {}},
    {"DuplicatesAreKept", "E:\\a.jpg E:\\a.jpg", {"E:\\a.jpg", "E:\\a.jpg"}},
    {"BlanksInsideQuotesAreKept", "\"  \"", {"  "}},
    {"LongPathKeptWhole", kLongPath + " x.jpg", {kLongPath, "x.jpg"}},
};

void PrintTo(const TokenCase& tokenCase, std::ostream* out) {
    *out << tokenCase.name;
}

class CommandLineTokens : public ::testing::TestWithParam<TokenCase> {};

}  // namespace

TEST_P(CommandLineTokens, GiveTheSortedEntries) {
    EXPECT_EQ(GetParam().entries, Parse(GetParam().commandLine));
}

INSTANTIATE_TEST_SUITE_P(Photos, CommandLineTokens, ::testing::ValuesIn(kTokenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FolderOfPath, IsTheAbsoluteFolderWithItsBackslash) {
    TempDir dir;
    dir.Write("IMG_0001.JPG", "photo");
    EXPECT_EQ(dir.Path() + "\\", photos::GetFolderOfPath(dir.PathOf("IMG_0001.JPG")));
}

TEST(FolderOfPath, OfARelativePathIsTheCurrentFolder) {
    TempDir dir;
    dir.Write("IMG_0001.JPG", "photo");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Native(""));
    const std::string folder = photos::GetFolderOfPath("IMG_0001.JPG");
    const std::string expected =
        testing_support::WithBackslashes(std::filesystem::current_path()) + "\\";
    std::filesystem::current_path(previous);
    EXPECT_EQ(expected, folder);
}

TEST(FolderOfPath, MissingFileRaisesAnErrorNamingThePathAsGiven) {
    TempDir dir;
    const std::string path = dir.PathOf("missing.jpg");
    try {
        photos::GetFolderOfPath(path);
        FAIL() << "no error for a missing photo";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(path, error.FileName());
        EXPECT_NE(std::string::npos, error.Message().find(path));
    }
    EXPECT_THROW(photos::GetFolderOfPath(""), platform::FileError);
}
