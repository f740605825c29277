// How a real save run ends in the main window and on its taskbar button: the bar's steps,
// the error state while the box of a failure is open, and nothing once the run has ended.
#include "ui/save_run_end.h"

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
// the run and its end do to them.
class Recorder : public transfer::SaveRunWindow,
                 public ui::SaveRunEndWindow,
                 public framework::MessagePort,
                 public framework::TaskbarProgress {
public:
    explicit Recorder(std::string folder) : folder_(std::move(folder)) {}

    Events events;
    bool cancelChooser = false;

    std::string TitleText() override { return "Holiday"; }
    std::string DateText() override { return "Date of foto"; }
    void SetWaitCursor() override {}
    void SetNormalCursor() override { events.push_back("normal cursor"); }
    // As the main window does: the bar, and the button with it.
    void SetProgress(int position) override { SetValue(position, transfer::kProgressSteps); }
    bool ChooseFolder(std::string& folder) override {
        folder = folder_;
        return !cancelChooser;
    }
    void SetReadyToOpen() override { events.push_back("ready to open"); }
    void RememberDestination(const std::string& folder) override {
        events.push_back(folder == folder_ + "\\" ? "remember the folder" : "remember " + folder);
    }

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

class SaveRunEnd : public testing::Test {
protected:
    void AddPhotos(int count) {
        for (int i = 1; i <= count; ++i) {
            const std::string name = "IMG_" + std::to_string(i) + ".JPG";
            photos_.Write(name, testing_support::PhotoBytes(1000, {{200, "2023:07:14 10:15:00"}}));
            list_.Add(photos_.PathOf(name).c_str());
        }
    }
    // One press of Save On PC as the main window makes it.
    void Run() {
        const transfer::SaveResult result = transfer::RunSave(
            recorder_, {list_, "Date of foto", false, nextNumber_, recorder_, disk_});
        ui::EndSaveRun(result, recorder_, recorder_, recorder_);
    }

    testing_support::TempDir photos_;
    testing_support::TempDir dest_;
    CPhotoList list_;
    int nextNumber_ = 1;
    testing_support::FaultyDisk disk_;
    Recorder recorder_{dest_.Path()};
};

TEST_F(SaveRunEnd, ACompleteRunSaysSoThenIsReadyToOpenAndRemembersTheFolder) {
    AddPhotos(3);
    Run();
    EXPECT_EQ(recorder_.events,
              (Events{"button 0/10", "button 3/10", "button 6/10", "button 10/10", "normal cursor",
                      "box: Fotos successfully saved", "button 0/10", "ready to open",
                      "remember the folder", "button cleared"}));
    EXPECT_EQ(dest_.FileNames().size(), 3u);
}

// The copy cannot be made: its box tells of it with the button in the error state, and
// closed, it leaves nothing on the button.
TEST_F(SaveRunEnd, TheButtonShowsTheErrorStateWhileTheBoxOfAFailureIsOpen) {
    AddPhotos(3);
    disk_.failAt = "create";
    Run();
    ASSERT_EQ(recorder_.events.size(), 5u) << testing::PrintToString(recorder_.events);
    EXPECT_EQ(recorder_.events[3].rfind("box: Error Destination ", 0), 0u) << recorder_.events[3];
    recorder_.events[3] = "box: Error Destination ...";
    EXPECT_EQ(recorder_.events, (Events{"button 0/10", "button 3/10", "button error",
                                        "box: Error Destination ...", "button cleared"}));
    EXPECT_TRUE(dest_.FileNames().empty());
}

// Nothing was copied and nothing failed: the user changed their mind.
TEST_F(SaveRunEnd, ACancelledChooserIsNoFailure) {
    AddPhotos(2);
    recorder_.cancelChooser = true;
    Run();
    EXPECT_EQ(recorder_.events,
              (Events{"button 0/10", "box: Exit Select Folder", "button cleared"}));
}

}  // namespace
