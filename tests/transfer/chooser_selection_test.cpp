// Whether the chooser shows the folder it was asked for: the shell's name for it against
// the folder as the settings file keeps it.
#include "transfer/chooser_selection.h"

#include <gtest/gtest.h>

namespace {

using transfer::IsSameFolder;

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

}  // namespace
