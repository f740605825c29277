// The settings file when another program holds it or it is read-only, with Windows'
// own share modes and file attributes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/owner_win32.h"
#include "settings/folder_settings.h"
#include "test_support.h"

using testing_support::TempDir;

namespace {

const char kOldContent[] = "[source]\r\nE:\\DCIM\\\r\n[dest]\r\nD:\\Pictures\\\r\n";

class FolderSettingsWin32Test : public ::testing::Test {
protected:
    void SetUp() override { dir_.Write("brenvale.ini", kOldContent); }
    std::string IniPath() const { return dir_.PathOf("brenvale.ini"); }

    TempDir dir_;
};

}  // namespace

TEST_F(FolderSettingsWin32Test, FileHeldOpenWithoutSharingReadsEmptyAndIsNotOverwritten) {
    platform::OwnedHandle held(CreateFileA(IniPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, held.Get());
    auto settings = std::make_unique<CFolderSettings>(dir_.PathOf("brenvale.exe"));
    EXPECT_EQ("", settings->GetSource());
    EXPECT_EQ("", settings->GetDest());
    settings->SetSource("E:\\other\\");
    settings.reset();
    held.Close();
    EXPECT_EQ(kOldContent, dir_.Read("brenvale.ini"));
    EXPECT_FALSE(dir_.Exists("brenvale.ini.new"));
}

TEST_F(FolderSettingsWin32Test, FileHeldOpenBySharingReaderAlsoReadsEmpty) {
    const platform::OwnedHandle held(CreateFileA(IniPath().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, held.Get());
    // Brenvale opens its settings exclusively, so even a sharing reader keeps it out.
    CFolderSettings settings(dir_.PathOf("brenvale.exe"));
    EXPECT_EQ("", settings.GetSource());
}

TEST_F(FolderSettingsWin32Test, ReadOnlyFileIsReadAndKeepsItsContentAtExit) {
    ASSERT_TRUE(SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_READONLY));
    {
        CFolderSettings settings(dir_.PathOf("brenvale.exe"));
        EXPECT_EQ("E:\\DCIM\\", settings.GetSource());
        EXPECT_EQ("D:\\Pictures\\", settings.GetDest());
        settings.SetDest("D:\\Elsewhere\\");
    }
    EXPECT_EQ(kOldContent, dir_.Read("brenvale.ini"));
    EXPECT_FALSE(dir_.Exists("brenvale.ini.new"));
    SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}
