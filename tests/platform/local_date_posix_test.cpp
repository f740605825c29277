// Turning a file time into a local date natively. Windows keeps file times from 1601 to the
// year 30827; a time outside that calendar, or one that the offset pushes past what a time
// can hold, is a failed conversion, never a date.
#include "platform/local_date_posix.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

using platform::FileTimeStep;
using platform::posix::LocalDateOfFileTime;

namespace {

constexpr std::int64_t kLatest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kEarliest = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t k1601 = -11644473600;        // 1601-01-01 00:00:00 UTC
constexpr std::int64_t kEndOf30827 = 910670515199;  // 30827-12-31 23:59:59 UTC
constexpr std::int64_t kTwoBillionYears = 67768015742829360;

struct DateCase {
    const char* name;
    std::int64_t written;
    long offset;
    FileTimeStep step;
    int year, month, day;
};

std::ostream& operator<<(std::ostream& out, const DateCase& c) {
    return out << c.name;
}

class LocalDateOfFileTimeTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(LocalDateOfFileTimeTest, GivesTheDateOrTheFailedStep) {
    const DateCase& c = GetParam();
    const platform::LastWriteDate date = LocalDateOfFileTime(c.written, c.offset);
    ASSERT_EQ(static_cast<int>(c.step), static_cast<int>(date.step));
    if (c.step == FileTimeStep::Done) {
        EXPECT_EQ(c.year, date.year);
        EXPECT_EQ(c.month, date.month);
        EXPECT_EQ(c.day, date.day);
    } else {
        EXPECT_NE(0u, date.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Times, LocalDateOfFileTimeTest,
    ::testing::Values(
        DateCase{"EveningInUtcIsTheNextDayEastOfIt", 1236382200, 3600, FileTimeStep::Done, 2009, 3,
                 7},
        DateCase{"FirstDayOf1601", k1601, 0, FileTimeStep::Done, 1601, 1, 1},
        DateCase{"Before1601", k1601 - 1, 0, FileTimeStep::ToCalendarTime, 0, 0, 0},
        DateCase{"OffsetBackBefore1601", k1601, -1, FileTimeStep::ToCalendarTime, 0, 0, 0},
        DateCase{"LastSecondOf30827", kEndOf30827, 0, FileTimeStep::Done, 30827, 12, 31},
        DateCase{"After30827", kEndOf30827 + 1, 0, FileTimeStep::ToCalendarTime, 0, 0, 0},
        DateCase{"OffsetOnPast30827", kEndOf30827, 1, FileTimeStep::ToCalendarTime, 0, 0, 0},
        DateCase{"YearBeyondWhatAnIntHolds", kTwoBillionYears, 0, FileTimeStep::ToCalendarTime, 0,
                 0, 0},
        DateCase{"LatestTime", kLatest, 0, FileTimeStep::ToCalendarTime, 0, 0, 0},
        DateCase{"OffsetPastTheLatestTime", kLatest, 7200, FileTimeStep::ToLocalTime, 0, 0, 0},
        DateCase{"OffsetBeforeTheEarliestTime", kEarliest, -3600, FileTimeStep::ToLocalTime, 0, 0,
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
