#include "transfer/date_stamp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "photo_corpus.h"
#include "test_support.h"

using testing_support::PhotoBytes;
using testing_support::TempDir;
using testing_support::WithByteAt;
using transfer::FindEmbeddedDate;
using transfer::kStampRoom;

namespace {

const std::string kDate = "2014:05:17 10:22:33";

struct SearchResult {
    bool found;
    std::string stamp;
};

// Runs the search on the bytes as a photo file, with a stamp buffer of exactly the room
// the search may use, so the sanitizers see any write past it.
SearchResult Search(const TempDir& dir, const std::string& bytes, bool longDate) {
    dir.Write("photo.jpg", bytes);
    auto stamp = std::make_unique<char[]>(kStampRoom);
    std::fill(stamp.get(), stamp.get() + kStampRoom, 'X');
    const bool found = FindEmbeddedDate(dir.PathOf("photo.jpg"), stamp.get(), longDate);
    return {found, std::string(stamp.get())};
}

struct SearchCase {
    const char* name;
    std::string bytes;
    const char* shortStamp;  // empty: no date-time text found
    const char* longStamp;
};

std::ostream& operator<<(std::ostream& out, const SearchCase& c) {
    return out << c.name;
}

std::vector<SearchCase> SearchCases() {
    using testing_support::PlacedText;
    const std::string zeros = "0000:00:00 00:00:00";
    const std::string blanks = "    :  :     :  :  ";
    return {
        {"TextInExifHeader", PhotoBytes(8000, {{300, kDate}}), "140517", "140517-102233"},
        {"LastOfTwoTextsWins", PhotoBytes(8000, {{300, kDate}, {500, "2014:05:18 08:00:00"}}),
         "140518", "140518-080000"},
        {"WholeFileIsTheText", kDate, "140517", "140517-102233"},
        {"TextAtTheVeryEndOfTheFile", PhotoBytes(700, {{681, kDate}}), "140517", "140517-102233"},
        {"TextEndingAtByte4096", PhotoBytes(8000, {{4096 - 19, kDate}}), "140517", "140517-102233"},
        {"TextStraddlingByte4096", PhotoBytes(8000, {{4096 - 18, kDate}}), "", ""},
        {"TextBeyondByte4096", PhotoBytes(8000, {{5000, kDate}}), "", ""},
        {"EarlierTextWhenTheLastStraddles4096",
         PhotoBytes(8000, {{100, "2009:03:07 01:02:03"}, {4096 - 10, kDate}}), "090307",
         "090307-010203"},
        {"AnyBytesWithTheRightSeparators", PhotoBytes(900, {{40, "abcd:ef:gh ij:kl:mn"}}), "cdefgh",
         "cdefgh-ijklmn"},
        {"ImpossibleValuesAsTheyStand", PhotoBytes(900, {{40, "2014:13:45 25:61:81"}}), "141345",
         "141345-256181"},
        {"BlanksPass", PhotoBytes(900, {{40, "20 4: 5:17 1 :22:33"}}), " 4 517", " 4 517-1 2233"},
        {"OneNonZeroDigitMakesAKnownDate", PhotoBytes(900, {{40, "0000:00:01 00:00:00"}}), "000001",
         "000001-000000"},
        {"NoTextAtAll", PhotoBytes(9000), "", ""},
        {"Empty", "", "", ""},
        {"OneByte", "2", "", ""},
        {"EighteenBytes", kDate.substr(1), "", ""},
        {"TruncatedInsideTheText", PhotoBytes(300 + 15, {{300, kDate.substr(0, 15)}}), "", ""},
        {"WrongSeparator", PhotoBytes(900, {{40, "2014-05-17 10:22:33"}}), "", ""},
        {"TabInsteadOfBlank", PhotoBytes(900, {{40, "2014:05:17\t10:22:33"}}), "", ""},
        {"UnknownDateAsZeros", PhotoBytes(900, {{40, zeros}}), "", ""},
        {"UnknownDateAsBlanks", PhotoBytes(900, {{40, blanks}}), "", ""},
        {"UnknownDateWithATime", PhotoBytes(900, {{40, "0000:00:00 12:34:56"}}), "", ""},
        {"UnknownDateAfterAKnownOne", PhotoBytes(900, {{40, kDate}, {400, zeros}, {600, blanks}}),
         "140517", "140517-102233"},
    };
}

class EmbeddedDateSearch : public ::testing::TestWithParam<SearchCase> {
protected:
    TempDir dir_;
};

TEST_P(EmbeddedDateSearch, GivesTheShortAndTheLongStamp) {
    const SearchCase& c = GetParam();
    const bool expectFound = c.shortStamp[0] != '\0';
    const SearchResult shortResult = Search(dir_, c.bytes, false);
    EXPECT_EQ(expectFound, shortResult.found);
    EXPECT_EQ(c.shortStamp, shortResult.stamp);
    const SearchResult longResult = Search(dir_, c.bytes, true);
    EXPECT_EQ(expectFound, longResult.found);
    EXPECT_EQ(c.longStamp, longResult.stamp);
}

INSTANTIATE_TEST_SUITE_P(Corpus, EmbeddedDateSearch, ::testing::ValuesIn(SearchCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A damaged or crafted photo must not put a byte into the copy's name that leads out of
// the chosen folder, cuts the name or makes it invalid: such a text is passed over
// wherever the byte stands, and an earlier good text is taken instead.
TEST(EmbeddedDateSafety, TextWithAByteUnfitForANameIsPassedOver) {
    // Bytes of 128 and up as well: camera dates are ASCII, and a lone such byte would make
    // the name invalid UTF-8, the program's code page.
    const std::string unfit = std::string("\\/:*?\"<>|\x01\x1F\x7F\x80\xC3\xE4\xFF", 16) + '\0';
    const std::size_t separators[] = {4, 7, 10, 13, 16};
    TempDir dir;
    for (std::size_t offset = 0; offset < kDate.size(); ++offset) {
        if (std::find(std::begin(separators), std::end(separators), offset) !=
            std::end(separators)) {
            continue;
        }
        for (char byte : unfit) {
            SCOPED_TRACE("byte " + std::to_string(static_cast<unsigned char>(byte)) +
                         " at offset " + std::to_string(offset));
            const std::string crafted = WithByteAt(kDate, offset, byte);
            const SearchResult alone = Search(dir, PhotoBytes(600, {{200, crafted}}), true);
            EXPECT_FALSE(alone.found);
            EXPECT_EQ("", alone.stamp);
            const SearchResult after =
                Search(dir, PhotoBytes(600, {{20, "2009:03:07 01:02:03"}, {200, crafted}}), false);
            EXPECT_TRUE(after.found);
            EXPECT_EQ("090307", after.stamp);
        }
    }
}

TEST(EmbeddedDate, PhotoThatCannotBeOpenedGivesFalseAndAnEmptyStamp) {
    TempDir dir;
    char stamp[kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_FALSE(FindEmbeddedDate(dir.PathOf("missing.jpg"), stamp, false));
    EXPECT_STREQ("", stamp);
    std::copy_n("XXXXXXXXXXXXX", kStampRoom, stamp);
    EXPECT_FALSE(FindEmbeddedDate(dir.Path(), stamp, true));  // a folder
    EXPECT_STREQ("", stamp);
}

TEST(EmbeddedDate, OnlyTheFirst4096BytesOfABigPhotoAreSearched) {
    TempDir dir;
    const std::string photo = PhotoBytes(
        3 << 20,
        {{1000, kDate}, {4100, "2020:01:01 00:00:00"}, {(3 << 20) - 19, "2021:01:01 00:00:00"}});
    EXPECT_EQ("140517", Search(dir, photo, false).stamp);
    EXPECT_EQ(photo, dir.Read("photo.jpg"));  // only read
}

}  // namespace
