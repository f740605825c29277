// Saving into folders that are not quite plain: two Brenvale windows into one folder at
// once, photos another program holds open for a while, and a folder deep in the tree.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/handle.h"
#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/windows.h"
#include "photo_files.h"

namespace brenvale {
namespace {

using namespace gui_driver;
using Names = std::vector<std::string>;

constexpr Milliseconds kSaveTimeout{40000};  // within the test's own time limit

// One window of Brenvale with its own card of photos, saving into `dest`.
struct Window {
    BrenvaleRun run;
    std::vector<std::string> photos;

    Window(const std::string& card, int count, std::size_t size, const std::string& dest) {
        run.WriteSettings("[source]\r\n\r\n[dest]\r\n" + dest + "\\\r\n");
        for (int i = 1; i <= count; ++i) {
            const std::string tail = card + " photo " + std::to_string(i);
            std::string bytes = PhotoBytes("2024:05:01 09:00:00", tail);
            bytes.resize(size, static_cast<char>('a' + i));
            photos.push_back(run.PhotoFolder() + "\\IMG_000" + std::to_string(i) + ".JPG");
            WriteBytes(photos.back(), bytes);
        }
    }
    void Start(const std::string& title, const std::string& date = "") {
        std::string arguments;
        for (const std::string& photo : photos) arguments += "\"" + photo + "\" ";
        run.Start(arguments);
        AskWindow(run.Control(IDC_TITLE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
        if (!date.empty()) {
            AskWindow(run.Control(IDC_DATE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date.c_str()));
        }
    }
    HWND OpenChooser() { return run.OpenFolderChooser(); }
    MessageBoxView NextBox() {
        return WaitForMessageBox(run.Process().Id(), run.MainWindow(), kSaveTimeout);
    }
    void Exit() {
        Click(run.Control(IDC_EXIT));
        EXPECT_EQ(run.Process().WaitForExit(), 0u);
    }
};

// Each photo's bytes, and under how many names in the folder they stand; a name whose
// bytes are no photo's counts under "".
std::map<std::string, int> CopiesOfEachPhoto(const std::string& dest,
                                             const std::vector<const Window*>& windows) {
    std::map<std::string, int> copies;
    for (const Window* window : windows) {
        for (const std::string& photo : window->photos) copies[ReadBytes(photo)] = 0;
    }
    for (const std::string& name : EntryNamesIn(dest)) {
        const std::string path = dest + "\\" + name;
        if (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
            ++copies[""];
            continue;
        }
        const auto found = copies.find(ReadBytes(path));
        ++copies[found == copies.end() ? "" : found->first];
    }
    return copies;
}

void ExpectEachPhotoOnce(const std::string& dest, const std::vector<const Window*>& windows) {
    int photo = 0;
    for (const auto& [bytes, count] : CopiesOfEachPhoto(dest, windows)) {
        EXPECT_EQ(count, bytes.empty() ? 0 : 1)
            << (bytes.empty() ? "names that are no photo's copy"
                              : "photo " + std::to_string(photo));
        ++photo;
    }
}

Names NumberedNames(const std::string& base, int count) {
    Names names;
    char number[8];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(number, sizeof number, "_%03d", i);
        names.push_back(base + number + ".jpg");
    }
    return names;
}

class Saving : public testing::Test {
protected:
    void SetUp() override { MakeFolder(dest_); }

    testing_support::TempDir destRoot_;
    const std::string dest_ = destRoot_.PathOf("Pictures");
};

// Two cameras of one trip, each batch in a window of its own, saved into one folder with
// one title. The first window stops at a photo another program holds open, once it has
// read the folder and made its first copy; meanwhile the second saves all of its photos.
// Going on, the first finds the names it planned taken and takes free ones: every photo
// gets a name of its own, the one whose date could not be read a name without a date.
TEST_F(Saving, TwoWindowsIntoOneFolderEachGetTheirOwnNames) {
    Window one("one", 3, 10 << 10, dest_);
    Window two("two", 3, 10 << 10, dest_);
    MessageBoxView stopOne;
    {
        const OwnedHandle held = HoldOpen(one.photos[1]);
        one.Start("Trip");
        Click(WaitForControl(one.OpenChooser(), IDOK));
        stopOne = one.NextBox();
        EXPECT_NE(stopOne.text, "Fotos successfully saved");
        two.Start("Trip");
        Click(WaitForControl(two.OpenChooser(), IDOK));
        const MessageBoxView endTwo = two.NextBox();
        EXPECT_EQ(endTwo.text, "Fotos successfully saved");
        PressOk(endTwo);
    }
    PressOk(stopOne);
    const MessageBoxView endOne = one.NextBox();
    EXPECT_EQ(endOne.text, "Fotos successfully saved");
    Names expected = NumberedNames("240501_Trip", 5);
    expected.push_back("_Trip_002.jpg");
    EXPECT_EQ(EntryNamesIn(dest_), expected);
    ExpectEachPhotoOnce(dest_, {&one, &two});
    PressOk(endOne);
    one.Exit();
    two.Exit();
}

// Another program (a viewer, a virus scanner) holds a photo of each card open for a while,
// so each window stops at it with a message while the other goes on. Once it has let go
// and the messages are closed, both windows finish, and every photo of both cards is in
// exactly one file.
TEST_F(Saving, PhotosHeldOpenMeanwhileAreNeitherLostNorCopiedTwice) {
    Window a("a", 5, 200 << 10, dest_);
    Window b("b", 2, 200 << 10, dest_);
    MessageBoxView stopA, stopB;
    {
        const OwnedHandle heldA = HoldOpen(a.photos[3]);
        const OwnedHandle heldB = HoldOpen(b.photos[1]);
        a.Start("Trip");
        b.Start("Trip");
        const HWND okA = WaitForControl(a.OpenChooser(), IDOK);
        const HWND okB = WaitForControl(b.OpenChooser(), IDOK);
        Click(okA);
        Click(okB);
        // Each stops at its held photo: its date cannot be read.
        stopA = a.NextBox();
        stopB = b.NextBox();
        EXPECT_NE(stopA.text, "Fotos successfully saved");
        EXPECT_NE(stopB.text, "Fotos successfully saved");
    }
    // The second card's window goes on first, then the first one's.
    PressOk(stopB);
    const MessageBoxView endB = b.NextBox();
    EXPECT_EQ(endB.text, "Fotos successfully saved");
    PressOk(stopA);
    const MessageBoxView endA = a.NextBox();
    EXPECT_EQ(endA.text, "Fotos successfully saved");
    ExpectEachPhotoOnce(dest_, {&a, &b});
    PressOk(endB);
    PressOk(endA);
    a.Exit();
    b.Exit();
}

// A folder deep in the tree: the copies' names still fit the system's limit of 259
// characters, so the folder takes them. At 244 characters the run's hidden folder cannot
// hold its marker: the copies are written beside the photos and nothing else is left.
TEST_F(Saving, AFolderNearThePathLimitTakesItsCopies) {
    for (const std::size_t length : {236u, 244u}) {
        SCOPED_TRACE(length);
        std::string deep = dest_ + "\\" + std::to_string(length);
        while (deep.size() < length - 11) deep += "\\Holidays10";
        deep += "\\" + std::string(length - deep.size() - 1, 'x');
        ASSERT_EQ(deep.size(), length);
        MakeFolder(deep);
        Window w("w", 2, 10 << 10, deep);
        w.Start("T", "d1");
        Click(WaitForControl(w.OpenChooser(), IDOK));
        const MessageBoxView box = w.NextBox();
        EXPECT_EQ(box.text, "Fotos successfully saved");
        PressOk(box);
        EXPECT_EQ(EntryNamesIn(deep), NumberedNames("d1_T", 2));
        ExpectEachPhotoOnce(deep, {&w});
        w.Exit();
    }
}

}  // namespace
}  // namespace brenvale
