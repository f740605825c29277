// A failure that leaves a message handler is reported once, with a text for the user,
// and goes no further.
#include "framework/failure_boundary.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/file_error.h"

namespace {

struct Reports {
    std::vector<std::string> texts;
    void operator()(const char* text) { texts.emplace_back(text); }
};

TEST(FailureBoundaryTest, AHandlerThatFinishesReportsNothing) {
    Reports reports;
    bool ran = false;
    EXPECT_TRUE(framework::RunReportingFailures([&] { ran = true; }, std::ref(reports)));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(reports.texts.empty());
}

struct Case {
    const char* name;
    std::function<void()> handler;
    std::string expectedText;
};

// Failures name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class FailureBoundaryFailureTest : public testing::TestWithParam<Case> {};

TEST_P(FailureBoundaryFailureTest, ReportsTheTextOnceAndSwallowsTheFailure) {
    Reports reports;
    EXPECT_FALSE(framework::RunReportingFailures(GetParam().handler, std::ref(reports)));
    ASSERT_EQ(1u, reports.texts.size());
    EXPECT_EQ(GetParam().expectedText, reports.texts[0]);
}

const platform::FileError kLockedPhoto(32, "E:\\DCIM\\IMG_0001.JPG");

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureBoundaryFailureTest,
    testing::Values(
        Case{"FileErrorShowsItsMessage", [] { throw kLockedPhoto; }, kLockedPhoto.Message()},
        Case{"OutOfMemory", [] { throw std::bad_alloc(); }, framework::kOutOfMemoryText},
        Case{"ArrayTooLong", [] { throw std::bad_array_new_length(); },
             framework::kOutOfMemoryText},
        Case{"OtherStandardErrorShowsWhat", [] { throw std::runtime_error("no camera"); },
             "no camera"},
        Case{"AnythingElse", [] { throw 42; }, framework::kUnexpectedFailureText}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
