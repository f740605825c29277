// The taskbar button during a real save run: the bar's steps, the error state while the box
// of a failure is open, and nothing once the run has ended.
#include "ui/save_run_taskbar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faulty_disk.h"
#include "photo_corpus.h"
#include "photos/photo_list.h"
#include "test_support.h"

namespace {

using Events = std::vector<std::string>;

// The main window, its message boxes and its taskbar button, writing down in one list what
// the run does to the boxes and the button.
class Recorder : public transfer::SaveRunWindow,
                 public framework::MessagePort,
                 public framework::TaskbarProgress {
public:
    explicit Recorder(std::string folder) : folder_(std::move(folder)) {}

    Events events;
    bool cancelChooser = false;

    std::string TitleText() override { return "Holiday"; }
    std::string DateText() override { return "Date of foto"; }
    void SetWaitCursor() override {}
    void SetNormalCursor() override {}
    void SetProgress(int) override {}
    bool ChooseFolder(const std::string&, char* folder, unsigned size) override {
        if (cancelChooser) return false;
        folder[folder_.copy(folder, size - 1)] = '\0';
        return true;
    }
    void SetReadyToOpen() override {}
    void RememberDestination(const std::string&) override {}

    void Show(const std::string& text) override { events.push_back("box: " + text); }
    void ShowSystemError(const std::string& text) override {
        events.push_back("error box: " + text);
    }

    void SetValue(int completed, int total) override {
        events.push_back("button " + std::to_string(completed) + "/" + std::to_string(total));
    }
    void SetError() override { events.push_back("button error"); }
    void SetNormal() override { events.push_back("button normal"); }
    void Clear() override { events.push_back("button cleared"); }

private:
    std::string folder_;
};

class SaveRunTaskbarTest : public testing::Test {
protected:
    void AddPhotos(int count) {
        for (int i = 1; i <= count; ++i) {
            const std::string name = "IMG_" + std::to_string(i) + ".JPG";
            photos_.Write(name, testing_support::PhotoBytes(1000, {{200, "2023:07:14 10:15:00"}}));
            list_.Add(photos_.PathOf(name).c_str());
        }
    }
    // One press of Save On PC as the main window makes it; failures that end the run are
    // reported as the window's handler reports them.
    void Run() {
        ui::SaveRunTaskbar run(recorder_, recorder_, recorder_);
        run.Run(
            [&] {
                transfer::RunSave(
                    run, {list_, "Date of foto", false, destFolder_, nextNumber_, run, disk_});
            },
            [&](const char* text) { recorder_.events.push_back(std::string("failure: ") + text); });
    }

    testing_support::TempDir photos_;
    testing_support::TempDir dest_;
    CPhotoList list_;
    std::string destFolder_;
    int nextNumber_ = 1;
    testing_support::FaultyDisk disk_;
    Recorder recorder_{dest_.Path()};
};

TEST_F(SaveRunTaskbarTest, ShowsTheBarsStepsAndNothingOnceTheRunHasEnded) {
    AddPhotos(3);
    Run();
    EXPECT_EQ(recorder_.events,
              (Events{"button 0/10", "button 3/10", "button 6/10", "button 10/10",
                      "box: Fotos successfully saved", "button 0/10", "button cleared"}));
    EXPECT_EQ(dest_.FileNames().size(), 3u);
}

// The copy cannot be made: its box tells of it with the button in the error state.
TEST_F(SaveRunTaskbarTest, ShowsTheErrorStateWhileTheBoxOfAFailureIsOpen) {
    AddPhotos(3);
    disk_.failAt = "create";
    Run();
    ASSERT_EQ(recorder_.events.size(), 6u) << testing::PrintToString(recorder_.events);
    EXPECT_EQ(recorder_.events[3].rfind("box: Error Destination ", 0), 0u) << recorder_.events[3];
    recorder_.events[3] = "box: Error Destination ...";
    // Closed, the box ends the run, and the button shows nothing.
    EXPECT_EQ(recorder_.events,
              (Events{"button 0/10", "button 3/10", "button error", "box: Error Destination ...",
                      "button normal", "button cleared"}));
}

// A write fails in the middle of a copy: the run ends, and the failure is reported with
// the button in the error state until its box is closed.
TEST_F(SaveRunTaskbarTest, AFailureThatEndsTheRunIsReportedInTheErrorState) {
    AddPhotos(3);
    disk_.failAt = "write";
    Run();
    ASSERT_EQ(recorder_.events.size(), 5u) << testing::PrintToString(recorder_.events);
    EXPECT_EQ(recorder_.events[3].rfind("failure: ", 0), 0u) << recorder_.events[3];
    recorder_.events[3] = "failure: ...";
    EXPECT_EQ(recorder_.events, (Events{"button 0/10", "button 3/10", "button error",
                                        "failure: ...", "button cleared"}));
    EXPECT_TRUE(dest_.FileNames().empty());
}

// Nothing was copied and nothing failed: the user changed their mind.
TEST_F(SaveRunTaskbarTest, ACancelledChooserIsNoFailure) {
    AddPhotos(2);
    recorder_.cancelChooser = true;
    Run();
    EXPECT_EQ(recorder_.events,
              (Events{"button 0/10", "box: Exit Select Folder", "button cleared"}));
}

TEST_F(SaveRunTaskbarTest, NoPhotosLeaveTheButtonAsItWas) {
    Run();
    EXPECT_EQ(recorder_.events, (Events{"button cleared"}));
}

}  // namespace
