#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

using platform::OpenMode;
using platform::TextFile;
using testing_support::TempDir;

namespace {

std::vector<std::string> Lines(const TempDir& dir, const std::string& bytes) {
    dir.Write("t.txt", bytes);
    TextFile file;
    EXPECT_EQ(0u, file.Open(dir.PathOf("t.txt"), OpenMode::ReadExclusive));
    std::vector<std::string> lines;
    std::string line;
    bool whole = true;
    bool found = false;
    while (file.ReadLine(line, std::string::npos, whole, found) == 0 && found) {
        lines.push_back(line);
    }
    return lines;
}

// The next line, whole; false at the end.
bool NextLine(TextFile& file, std::string& line) {
    bool whole = true;
    bool found = false;
    EXPECT_EQ(0u, file.ReadLine(line, std::string::npos, whole, found));
    return found;
}

using Lines_ = std::vector<std::string>;

}  // namespace

TEST(TextFile, LineEnds) {
    TempDir dir;
    EXPECT_EQ((Lines_{"a", "b"}), Lines(dir, "a\r\nb\r\n"));
    EXPECT_EQ((Lines_{"a", "b"}), Lines(dir, "a\nb\n"));
    EXPECT_EQ((Lines_{"a", "b"}), Lines(dir, "a\nb"));
    EXPECT_EQ((Lines_{"", "", "x"}), Lines(dir, "\r\n\nx"));
    EXPECT_EQ((Lines_{}), Lines(dir, ""));
    // A lone CR is no line end.
    EXPECT_EQ((Lines_{"a\rb"}), Lines(dir, "a\rb\r\n"));
}

TEST(TextFile, LinesAcrossBufferBoundaries) {
    TempDir dir;
    // A CR LF split across the 4096-byte read, and a line longer than the buffer.
    const std::string first(4095, 'a');
    const std::string longLine(10000, 'b');
    EXPECT_EQ((Lines_{first, longLine, "end"}), Lines(dir, first + "\r\n" + longLine + "\nend"));
}

TEST(TextFile, WritesCrLfAndRereadsFromTheStart) {
    TempDir dir;
    {
        TextFile file;
        ASSERT_EQ(0u, file.Open(dir.PathOf("w.txt"), OpenMode::Create));
        EXPECT_EQ(0u, file.WriteLine("[source]"));
        EXPECT_EQ(0u, file.WriteLine(""));
        EXPECT_EQ(0u, file.Close());
    }
    EXPECT_EQ("[source]\r\n\r\n", dir.Read("w.txt"));
    TextFile file;
    ASSERT_EQ(0u, file.Open(dir.PathOf("w.txt"), OpenMode::ReadExclusive));
    std::string line;
    ASSERT_TRUE(NextLine(file, line));
    ASSERT_TRUE(NextLine(file, line));
    EXPECT_FALSE(NextLine(file, line));
    EXPECT_EQ(0u, file.SeekToBegin());
    ASSERT_TRUE(NextLine(file, line));
    EXPECT_EQ("[source]", line);
}

// Lines read with a limit of three bytes: what is kept, and whether it was all.
TEST(TextFile, LinesLongerThanTheLimitAreCutAndReadToTheirEnd) {
    TempDir dir;
    struct Case {
        const char* bytes;
        std::vector<std::string> lines;
        std::vector<bool> whole;
    };
    const Case cases[] = {
        {"abc\r\nabcd\r\nx", {"abc", "abc", "x"}, {true, false, true}},
        {"abcd\nabc\n", {"abc", "abc"}, {false, true}},
        // The CR of a CR LF is no part of the line, a CR before it is.
        {"ab\r\r\nabc\r\r\n", {"ab\r", "abc"}, {true, false}},
        // A last line without its end, too long.
        {"\nabcdef", {"", "abc"}, {true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        dir.Write("t.txt", c.bytes);
        TextFile file;
        ASSERT_EQ(0u, file.Open(dir.PathOf("t.txt"), OpenMode::ReadExclusive));
        std::vector<std::string> lines;
        std::vector<bool> whole;
        std::string line;
        bool lineWhole = false;
        bool found = false;
        while (file.ReadLine(line, 3, lineWhole, found) == 0 && found) {
            lines.push_back(line);
            whole.push_back(lineWhole);
        }
        EXPECT_EQ(c.lines, lines);
        EXPECT_EQ(c.whole, whole);
    }
}

TEST(TextFile, LongLineIsPassedOverAcrossManyReads) {
    TempDir dir;
    dir.Write("t.txt", std::string(100000, 'x') + "\r\nnext\r\n");
    TextFile file;
    ASSERT_EQ(0u, file.Open(dir.PathOf("t.txt"), OpenMode::ReadExclusive));
    std::string line;
    bool whole = true;
    bool found = false;
    ASSERT_EQ(0u, file.ReadLine(line, 5000, whole, found));
    ASSERT_TRUE(found);
    EXPECT_FALSE(whole);
    EXPECT_EQ(std::string(5000, 'x'), line);
    ASSERT_EQ(0u, file.ReadLine(line, 5000, whole, found));
    ASSERT_TRUE(found);
    EXPECT_TRUE(whole);
    EXPECT_EQ("next", line);
}
