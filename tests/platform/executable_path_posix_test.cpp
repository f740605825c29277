// The executable's path is read whole however deep its folder lies, so that the settings
// file is found beside it.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/system.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr char kReportTo[] = "BRENVALE_REPORT_EXECUTABLE_PATH";

// Run as a copy in a deep folder: writes what the copy finds as its own path.
TEST(ExecutablePath, ReportsItselfWhenAsked) {
    const char* report = std::getenv(kReportTo);
    if (report == nullptr) GTEST_SKIP() << "only run by the deep-folder test";
    std::ofstream(report) << platform::ExecutablePath();
}

TEST(ExecutablePath, IsWholeForAProgramInAFolderDeeperThan255Characters) {
    testing_support::TempDir dir;
    fs::path deep = dir.Native("");
    for (int level = 0; level < 4; ++level)
        deep /= std::string(200, static_cast<char>('a' + level));
    fs::create_directories(deep);
    const fs::path copy = deep / "brenvale_test_copy";
    fs::copy_file(fs::read_symlink("/proc/self/exe"), copy);
    const std::string report = (dir.Native("reported.txt")).string();

    const std::string command = std::string(kReportTo) + "='" + report + "' '" + copy.string() +
                                "' --gtest_filter=ExecutablePath.ReportsItselfWhenAsked >/dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    std::ifstream in(report);
    const std::string reported((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    EXPECT_EQ(testing_support::WithBackslashes(copy), reported);
}

}  // namespace
