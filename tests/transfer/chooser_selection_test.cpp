// Where the chooser opens for a remembered folder, and whether it shows the folder it was
// asked for: the shell's name for it against the folder as the settings file keeps it.
#include "transfer/chooser_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using transfer::FoldersToOpenAt;
using transfer::IsSameFolder;
using Folders = std::vector<std::string>;

TEST(IsSameFolder, TakesTheRememberedFolderWithOrWithoutItsFinalBackslash) {
    EXPECT_TRUE(IsSameFolder("D:\\Pictures", "D:\\Pictures\\", 1252));
    EXPECT_TRUE(IsSameFolder("D:\\Pictures", "D:\\Pictures", 1252));
    EXPECT_TRUE(IsSameFolder("D:\\", "D:\\", 1252));
    // A drive root remembered by a run that added its own backslash.
    EXPECT_TRUE(IsSameFolder("D:\\", "D:\\\\", 1252));
}

TEST(IsSameFolder, RefusesAParentABesideOrNothing) {
    EXPECT_FALSE(IsSameFolder("D:\\", "D:\\Pictures\\", 1252));
    EXPECT_FALSE(IsSameFolder("D:\\Pictures", "D:\\Pictures 2\\", 1252));
    EXPECT_FALSE(IsSameFolder("D:\\Pictures\\Trip", "D:\\Pictures\\", 1252));
    EXPECT_FALSE(IsSameFolder("", "D:\\Pictures\\", 1252));
    EXPECT_FALSE(IsSameFolder("", "", 1252));
}

// In Shift-JIS the folder 表 is 0x95 0x5C: its second byte is no final backslash.
TEST(IsSameFolder, ReadsTwoByteCharactersWhole) {
    const std::string table = "C:\\\x95\x5C";
    EXPECT_TRUE(IsSameFolder(table, table + "\\", 932));
    EXPECT_TRUE(IsSameFolder(table, table, 932));
    EXPECT_FALSE(IsSameFolder("C:\\\x95", table, 932));
    EXPECT_FALSE(IsSameFolder(table, "C:\\\x95", 932));
}

TEST(FoldersToOpenAt, AreTheFolderAndEveryFolderAboveItNearestFirst) {
    EXPECT_EQ(FoldersToOpenAt("D:\\Pictures\\Trip\\", 1252),
              (Folders{"D:\\Pictures\\Trip", "D:\\Pictures", "D:\\"}));
    // A drive root remembered by a run that added its own backslash.
    EXPECT_EQ(FoldersToOpenAt("D:\\\\", 1252), Folders{"D:\\"});
    EXPECT_EQ(FoldersToOpenAt("\\\\nas\\photos\\2023\\", 1252),
              (Folders{"\\\\nas\\photos\\2023", "\\\\nas\\photos"}));
}

// What Windows opens as a device, in any folder: the name before its first dot and any
// blanks, in any case. Nothing below such a name is a folder either.
TEST(FoldersToOpenAt, LeaveOutNamesOfDevicesAndWhatIsBelowThem) {
    EXPECT_EQ(FoldersToOpenAt("C:\\x\\NUL\\", 1252), (Folders{"C:\\x", "C:\\"}));
    EXPECT_EQ(FoldersToOpenAt("C:\\Com1 .jpg\\a", 1252), Folders{"C:\\"});
}

// A path that does not start at a drive or a share would be taken from the program's
// current folder, and the system's device paths are no folders.
TEST(FoldersToOpenAt, AreNoneForAPathWithoutADriveOrShare) {
    for (const char* remembered :
         {"", "COM1", "COM1\\", "photos\\2023\\", "D:", "D:photos", "\\photos", "\\\\nas",
          "\\\\nas\\", "\\\\.\\COM1", "\\\\?\\C:\\photos"}) {
        EXPECT_EQ(FoldersToOpenAt(remembered, 1252), Folders{}) << remembered;
    }
}

// In Shift-JIS the folder 表 is 0x95 0x5C: its second byte does not end a folder.
TEST(FoldersToOpenAt, ReadTwoByteCharactersWhole) {
    EXPECT_EQ(FoldersToOpenAt("C:\\\x95\x5C\\a", 932),
              (Folders{"C:\\\x95\x5C\\a", "C:\\\x95\x5C", "C:\\"}));
}

}  // namespace
