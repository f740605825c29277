// The entry of the GUI test programs: GoogleTest's, after a check that there is a display
// to show windows on, so that a run without one fails at once and says why.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* display = std::getenv("DISPLAY");
    const bool listingOnly = GTEST_FLAG_GET(list_tests);
    if (!listingOnly && (display == nullptr || *display == '\0')) {
        std::fprintf(stderr,
                     "DISPLAY is not set: the GUI tests show real windows and need an X display "
                     "(scripts/test.sh starts Xvfb for them)\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
