// The taskbar object the program makes at start, and the calls a save run makes on it for
// the main window's button.
#include <windows.h>

#include <gtest/gtest.h>
#include <ole2.h>

#include "framework/taskbar_win32.h"

namespace {

class TaskbarTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        window_ = CreateWindowExA(WS_EX_APPWINDOW, "STATIC", "Brenvale", WS_OVERLAPPEDWINDOW, 0, 0,
                                  200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (window_ != nullptr) DestroyWindow(window_);
        OleUninitialize();
    }

    HWND window_ = nullptr;
};

TEST_F(TaskbarTest, IsOfferedAndTakesTheRunsCalls) {
    const framework::TaskbarList taskbar = framework::MakeTaskbarList();
    ASSERT_TRUE(taskbar) << "this system offers no taskbar object";
    EXPECT_EQ(taskbar.Get()->SetProgressValue(window_, 3, 10), S_OK);
    EXPECT_EQ(taskbar.Get()->SetProgressState(window_, TBPF_ERROR), S_OK);
    EXPECT_EQ(taskbar.Get()->SetProgressState(window_, TBPF_NORMAL), S_OK);
    EXPECT_EQ(taskbar.Get()->SetProgressState(window_, TBPF_NOPROGRESS), S_OK);
}

}  // namespace
