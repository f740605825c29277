#include <gtest/gtest.h>

#include <string>

#include "transfer/date_stamp.h"

using transfer::FilterTypedDate;
using transfer::UsesPhotoDates;

namespace {

const char kDefault[] = "Date of foto";

struct TypedCase {
    const char* typed;
    bool photoDates;
    const char* datePart;  // the filtered text, used when photoDates is false
};

std::ostream& operator<<(std::ostream& out, const TypedCase& c) {
    return out << '"' << c.typed << '"';
}

class TypedDate : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedDate, DecidesTheModeAndReducesTheText) {
    const TypedCase& c = GetParam();
    EXPECT_EQ(c.photoDates, UsesPhotoDates(c.typed, kDefault));
    EXPECT_EQ(c.datePart, FilterTypedDate(c.typed));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TypedDate,
    ::testing::Values(TypedCase{"Date of foto", true, "Dateoffoto"},
                      TypedCase{"Date of foto ", false, "Dateoffoto"},
                      TypedCase{" Date of foto", false, "Dateoffoto"},
                      TypedCase{"date of foto", false, "dateoffoto"},
                      TypedCase{"Date of fot", false, "Dateoffot"},
                      TypedCase{"17.05.2014", false, "17052014"},
                      TypedCase{"Mai 2014", false, "Mai2014"},
                      TypedCase{"2023-07-14", false, "20230714"}, TypedCase{"", false, ""},
                      TypedCase{"    ", false, ""}, TypedCase{" .-/_:;,!()[]{}~ ", false, ""},
                      // Accented letters and multi-byte characters vanish whole.
                      TypedCase{"M\xE4rz 2014", false, "Mrz2014"},
                      TypedCase{"\xC3\xA4\xC3\xB6\xFF\x80"
                                "1",
                                false, "1"},
                      // Every character of the edit counts, however long it is: two
                      // dates that differ only after the 31st give two names.
                      TypedCase{"1234567890123456789012345678901234567890", false,
                                "1234567890123456789012345678901234567890"},
                      TypedCase{"..............................9abc", false, "9abc"}));

TEST(TypedDateRule, TheWholeEditIsCompared) {
    const std::string longDefault(31, 'D');
    EXPECT_TRUE(UsesPhotoDates(longDefault.c_str(), longDefault.c_str()));
    EXPECT_FALSE(UsesPhotoDates((longDefault + "tail").c_str(), longDefault.c_str()));
    EXPECT_FALSE(UsesPhotoDates(longDefault.substr(1).c_str(), longDefault.c_str()));
}

}  // namespace
