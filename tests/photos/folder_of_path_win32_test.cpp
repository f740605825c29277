// The folder of a photo with Windows' own path rules and share modes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "photos/command_line.h"
#include "platform/file_error.h"
#include "platform/owner_win32.h"
#include "test_support.h"

using testing_support::TempDir;

namespace {

// A photo in the root of the drive that holds the temporary folder, removed afterwards.
class PhotoInDriveRoot {
public:
    PhotoInDriveRoot() {
        const std::string temp = TempDir().Path();
        root_ = temp.substr(0, temp.find('\\') + 1);
        path_ = root_ + "brenvale-test-" + std::to_string(GetCurrentProcessId()) + ".jpg";
        const platform::OwnedHandle file(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr,
                                                     CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Get() == INVALID_HANDLE_VALUE) path_.clear();
    }
    ~PhotoInDriveRoot() {
        if (!path_.empty()) DeleteFileA(path_.c_str());
    }
    const std::string& Root() const { return root_; }
    const std::string& Path() const { return path_; }

private:
    std::string root_;
    std::string path_;
};

}  // namespace

TEST(FolderOfPathWin32, PhotoInADriveRootGivesTheRootWithItsBackslash) {
    PhotoInDriveRoot photo;
    ASSERT_FALSE(photo.Path().empty()) << "cannot write a photo into " << photo.Root();
    ASSERT_EQ(3u, photo.Root().size()) << photo.Root();
    EXPECT_EQ(photo.Root(), photos::GetFolderOfPath(photo.Path()));
}

TEST(FolderOfPathWin32, PhotoHeldOpenByAnotherProgramRaisesAnErrorNamingIt) {
    TempDir dir;
    dir.Write("IMG_0001.JPG", "photo");
    const std::string path = dir.PathOf("IMG_0001.JPG");
    platform::OwnedHandle held(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, held.Get());
    try {
        photos::GetFolderOfPath(path);
        ADD_FAILURE() << "opened a photo that another handle holds without sharing";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(static_cast<unsigned long>(ERROR_SHARING_VIOLATION), error.Cause());
        EXPECT_EQ(path, error.FileName());
        EXPECT_NE(std::string::npos, error.Message().find(path));
    }
    held.Close();
    EXPECT_EQ(dir.Path() + "\\", photos::GetFolderOfPath(path));
}
