// The last-write-time stamp. ctest pins TZ to Europe/Berlin for these tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "file_time.h"
#include "photo_corpus.h"
#include "platform/system.h"
#include "recorded_messages.h"
#include "test_support.h"
#include "transfer/date_stamp.h"

using platform::FileTimeStep;
using platform::LastWriteDate;
using testing_support::RecordedMessages;
using testing_support::TempDir;
using transfer::GetFileDateStamp;
using transfer::kStampRoom;

namespace {

struct StepCase {
    const char* name;
    LastWriteDate date;
    bool result;
    const char* stamp;
    std::vector<std::string> shown;
};

std::ostream& operator<<(std::ostream& out, const StepCase& c) {
    return out << c.name;
}

std::string SystemText(unsigned long code) {
    return "error box: " + platform::SystemErrorText(code);
}

class StampFromLastWriteDate : public ::testing::TestWithParam<StepCase> {};

TEST_P(StampFromLastWriteDate, GivesTheStampOrTheFailedStepsMessages) {
    const StepCase& c = GetParam();
    RecordedMessages messages;
    char stamp[kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_EQ(c.result, transfer::StampFromLastWriteDate(messages, c.date, stamp));
    EXPECT_STREQ(c.stamp, stamp);
    EXPECT_EQ(c.shown, messages.shown);
}

LastWriteDate Failed(FileTimeStep step, unsigned long error) {
    LastWriteDate date;
    date.step = step;
    date.error = error;
    return date;
}

LastWriteDate Written(int year, int month, int day) {
    LastWriteDate date;
    date.step = FileTimeStep::Done;
    date.year = year;
    date.month = month;
    date.day = day;
    return date;
}

// The system-error box shows the code captured when the step failed (here 6, 87, 1),
// not whatever the last error is by the time the box appears.
INSTANTIATE_TEST_SUITE_P(
    Steps, StampFromLastWriteDate,
    ::testing::Values(
        StepCase{"Open", Failed(FileTimeStep::Open, 2), false, "", {"box: Invalid Handle Value"}},
        StepCase{"GetFileTime",
                 Failed(FileTimeStep::GetFileTime, 6),
                 false,
                 "",
                 {"box: Error GetFileTime", SystemText(6)}},
        StepCase{"ToLocalTime",
                 Failed(FileTimeStep::ToLocalTime, 87),
                 false,
                 "",
                 {"box: Error FileTimeToLocalFileTime", SystemText(87)}},
        StepCase{"ToCalendarTime",
                 Failed(FileTimeStep::ToCalendarTime, 1),
                 false,
                 "",
                 {"box: Error FileTimeToSystemTime", SystemText(1)}},
        StepCase{"Year2009", Written(2009, 3, 7), true, "090307", {}},
        StepCase{"Year1999", Written(1999, 12, 31), true, "9991231", {}},
        StepCase{"Year2000", Written(2000, 1, 1), true, "000101", {}},
        StepCase{"Year2099", Written(2099, 11, 30), true, "991130", {}},
        StepCase{"Year2100", Written(2100, 2, 28), true, "1000228", {}},
        StepCase{"Year1601", Written(1601, 1, 1), true, "6010101", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportLastError, ShowsTheSystemsTextForTheGivenCodeInTheErrorBox) {
    RecordedMessages messages;
    transfer::ReportLastError(messages, 2);
    ASSERT_FALSE(platform::SystemErrorText(2).empty());
    EXPECT_EQ(std::vector<std::string>{SystemText(2)}, messages.shown);
}

class FileDateStamp : public ::testing::Test {
protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        ASSERT_TRUE(zone && std::string(zone) == "Europe/Berlin")
            << "these tests need TZ=Europe/Berlin, as ctest sets it";
    }

    TempDir dir_;
    RecordedMessages messages_;
};

struct TimeCase {
    int year, month, day, hour, minute;  // UTC
    const char* stamp;
};

// Berlin is one or two hours ahead of UTC; the date is local, whichever offset is in force.
TEST_F(FileDateStamp, LastWriteTimeInLocalTimeWithTheYearModulo1000) {
    const TimeCase cases[] = {
        {2009, 3, 7, 12, 0, "090307"},  {1999, 12, 31, 12, 0, "9991231"},
        {2009, 3, 6, 23, 30, "090307"},  // already the 7th in Berlin
        {2000, 1, 1, 12, 0, "000101"},  {2099, 12, 31, 12, 0, "991231"},
        {2100, 1, 1, 12, 0, "1000101"}, {2014, 5, 17, 21, 10, "140517"},
    };
    dir_.Write("IMG_0001.JPG", testing_support::PhotoBytes(5000));
    const std::string path = dir_.PathOf("IMG_0001.JPG");
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.stamp);
        testing_support::SetLastWriteTimeUtc(path, c.year, c.month, c.day, c.hour, c.minute);
        char stamp[kStampRoom] = "XXXXXXXXXXXXX";
        EXPECT_TRUE(GetFileDateStamp(messages_, path, stamp));
        EXPECT_STREQ(c.stamp, stamp);
    }
    EXPECT_TRUE(messages_.shown.empty());
}

// What the save run does for a photo without a date-time text: the fallback has no long
// form, so the long date gives six characters.
TEST_F(FileDateStamp, PhotoWithoutADateTextGetsTheShortStampEvenForTheLongDate) {
    dir_.Write("scan.jpg", testing_support::PhotoBytes(5000));
    const std::string path = dir_.PathOf("scan.jpg");
    testing_support::SetLastWriteTimeUtc(path, 2009, 3, 7, 12, 0);
    char stamp[kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_FALSE(transfer::FindEmbeddedDate(path, stamp, true));
    EXPECT_TRUE(GetFileDateStamp(messages_, path, stamp));
    EXPECT_STREQ("090307", stamp);
}

TEST_F(FileDateStamp, PhotoThatCannotBeOpenedSaysInvalidHandleValueOnce) {
    const std::string path = dir_.PathOf("gone.jpg");
    char stamp[kStampRoom] = "XXXXXXXXXXXXX";
    EXPECT_FALSE(transfer::FindEmbeddedDate(path, stamp, false));
    EXPECT_TRUE(messages_.shown.empty());
    std::copy_n("XXXXXXXXXXXXX", kStampRoom, stamp);
    EXPECT_FALSE(GetFileDateStamp(messages_, path, stamp));
    EXPECT_STREQ("", stamp);
    EXPECT_EQ(std::vector<std::string>{"box: Invalid Handle Value"}, messages_.shown);
}

}  // namespace
