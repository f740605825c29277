// The entry of the GUI test programs: GoogleTest's, plus a check that there is a display
// to show windows on, so that a run without one fails at once and says why.
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class DisplayRequired : public testing::Environment {
public:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0') {
            FAIL() << "DISPLAY is not set: the GUI tests show real windows and need an X "
                      "display (scripts/test.sh starts Xvfb for them)";
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new DisplayRequired);
    return RUN_ALL_TESTS();
}
