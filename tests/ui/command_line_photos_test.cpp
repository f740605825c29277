#include "ui/command_line_photos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/message_port.h"
#include "photos/photo_list.h"
#include "platform/file_error.h"
#include "settings/folder_settings.h"
#include "test_support.h"
#include "ui/selection_notices.h"

using testing_support::TempDir;

namespace {

// The boxes the user would see, in order.
class Boxes : public framework::MessagePort {
public:
    std::vector<std::string> shown;
    void Show(const std::string& text) override { shown.push_back(text); }
    void ShowSystemError(const std::string& text) override { shown.push_back("error: " + text); }
};

}  // namespace

TEST(TakePhotosFromCommandLine, SourceFolderIsTheFolderOfTheFirstPhotoInByteOrder) {
    TempDir dir;
    std::filesystem::create_directory(dir.Native("b"));
    std::filesystem::create_directory(dir.Native("a"));
    dir.Write("b/IMG_1.JPG", "1");
    dir.Write("a/IMG_2.JPG", "2");
    CFolderSettings settings(dir.PathOf("brenvale.exe"));
    CPhotoList list;
    std::string source = "old";
    const std::string commandLine = dir.PathOf("b\\IMG_1.JPG") + " " + dir.PathOf("a\\IMG_2.JPG");
    Boxes boxes;
    EXPECT_TRUE(ui::TakePhotosFromCommandLine(commandLine.c_str(), list, source, settings, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_EQ(2, list.Count());
    EXPECT_EQ(dir.PathOf("a\\IMG_2.JPG"), list.GetAt(0));
    EXPECT_EQ(dir.PathOf("a\\"), source);
    EXPECT_EQ(dir.PathOf("a\\"), settings.GetSource());
}

TEST(TakePhotosFromCommandLine, NoPhotosLeaveTheSourceAlone) {
    TempDir dir;
    CFolderSettings settings(dir.PathOf("brenvale.exe"));
    settings.SetSource("E:\\DCIM\\");
    CPhotoList list;
    std::string source = "E:\\DCIM\\";
    Boxes boxes;
    // Nothing at all is not a folder without photos: the window still opens ready to save.
    EXPECT_TRUE(ui::TakePhotosFromCommandLine("\"", list, source, settings, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ("E:\\DCIM\\", source);
    EXPECT_EQ("E:\\DCIM\\", settings.GetSource());
}

TEST(TakePhotosFromCommandLine, UnreadableFirstPhotoKeepsTheListAndTheOldSource) {
    TempDir dir;
    dir.Write("z.jpg", "z");
    CFolderSettings settings(dir.PathOf("brenvale.exe"));
    settings.SetSource("E:\\DCIM\\");
    CPhotoList list;
    std::string source = "E:\\DCIM\\";
    const std::string commandLine = dir.PathOf("z.jpg") + " " + dir.PathOf("missing.jpg");
    Boxes boxes;
    EXPECT_THROW(ui::TakePhotosFromCommandLine(commandLine.c_str(), list, source, settings, boxes),
                 platform::FileError);
    ASSERT_EQ(2, list.Count());
    EXPECT_EQ(dir.PathOf("missing.jpg"), list.GetAt(0));
    EXPECT_EQ(dir.PathOf("z.jpg"), list.GetAt(1));
    EXPECT_EQ("E:\\DCIM\\", source);
    EXPECT_EQ("E:\\DCIM\\", settings.GetSource());
}

TEST(TakePhotosFromCommandLine, ACardsRootSelectsItsPhotosAndTheFirstOnesFolderIsTheSource) {
    TempDir card;
    std::filesystem::create_directories(card.Native("DCIM/101CANON"));
    std::filesystem::create_directories(card.Native("DCIM/100CANON"));
    card.Write("DCIM/101CANON/IMG_0101.JPG", "1");
    card.Write("DCIM/100CANON/IMG_0001.JPG", "2");
    card.Write("DCIM/100CANON/MISC.TXT", "not a photo");
    CFolderSettings settings(card.PathOf("brenvale.exe"));
    CPhotoList list;
    std::string source = "old";
    Boxes boxes;
    const std::string commandLine = "\"" + card.Path() + "\\\"";
    EXPECT_TRUE(ui::TakePhotosFromCommandLine(commandLine.c_str(), list, source, settings, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_EQ(2, list.Count());
    EXPECT_EQ(card.PathOf("DCIM\\100CANON\\IMG_0001.JPG"), list.GetAt(0));
    EXPECT_EQ(card.PathOf("DCIM\\101CANON\\IMG_0101.JPG"), list.GetAt(1));
    EXPECT_EQ(card.PathOf("DCIM\\100CANON\\"), source);
    EXPECT_EQ(card.PathOf("DCIM\\100CANON\\"), settings.GetSource());
}

TEST(TakePhotosFromCommandLine, OnlyAFolderWithoutPhotosIsToldByNameAndLeavesEverythingAsItWas) {
    TempDir dir;
    std::filesystem::create_directory(dir.Native("empty card"));
    dir.Write("empty card/README.TXT", "no photo");
    CFolderSettings settings(dir.PathOf("brenvale.exe"));
    settings.SetSource("E:\\DCIM\\");
    CPhotoList list;
    std::string source = "E:\\DCIM\\";
    Boxes boxes;
    const std::string commandLine = "\"" + dir.PathOf("empty card") + "\"";
    EXPECT_FALSE(ui::TakePhotosFromCommandLine(commandLine.c_str(), list, source, settings, boxes));
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"No foto found in the folder \"" +
                                                    dir.PathOf("empty card") + "\""});
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ("E:\\DCIM\\", source);
    EXPECT_EQ("E:\\DCIM\\", settings.GetSource());
}

TEST(SelectionNotices, EverythingLeftOutIsToldInOneNoticeInTheOrderItMatters) {
    photos::LeftOut leftOut;
    leftOut.problems = {{"E:\\DCIM\\101CANON", 5}, {"F:\\", 0}};
    leftOut.deviceNames = {"E:\\DCIM\\NUL.jpg", "E:\\DCIM\\COM1.jpg"};
    leftOut.otherKinds = {{".CR2", 2}, {".MOV", 1}, {".ARW", 2}, {".DNG", 5}};
    const std::string notice = ui::SelectionNotice(leftOut, 2, 1000);
    const std::string expected =
        ui::FolderProblemText(leftOut.problems[0]) + "\n\nNo foto found in the folder \"F:\\\"" +
        "\n\nNot copied, as Windows takes their names for devices: \"E:\\DCIM\\COM1.jpg\", "
        "\"E:\\DCIM\\NUL.jpg\". They stay where they are.\n\n"
        "10 photos and videos in these folders are not .jpg files and are not copied: 5 .DNG, "
        "2 .ARW, 2 .CR2, 1 .MOV. They stay where they are.\n\n"
        "1000 fotos found. One save numbers at most 999 copies of one title, so this save "
        "copies the first 999 in name order. The other one needs another title, or another "
        "folder: start Brenvale again and pick it with Open Camera.";
    EXPECT_EQ(notice, expected);

    EXPECT_EQ(ui::SelectionNotice({}, 1, 999), "");
    photos::LeftOut one;
    one.deviceNames = {"E:\\AUX.JPG"};
    EXPECT_EQ(ui::SelectionNotice(one, 0, 0),
              "Not copied, as Windows takes its name for a device: \"E:\\AUX.JPG\". It stays "
              "where it is.");
}

TEST(SelectionNotices, AFolderThatCannotBeReadIsNamedWithTheErrorNumber) {
    const std::string text = ui::FolderProblemText({"E:\\DCIM", 21});
    EXPECT_EQ(0u, text.find("Cannot read the folder \"E:\\DCIM\" - Error 21")) << text;
}
