// Helpers shared by the unit tests: a scratch folder with real files in it.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder as Brenvale's code takes paths: backslash-separated, no final backslash.
    const std::string& Path() const { return path_; }
    // Path() + "\" + name.
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }
    std::filesystem::path Native(const std::string& name) const { return native_ / name; }

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of the files and folders in the folder, sorted.
    std::set<std::string> FileNames() const;

private:
    std::filesystem::path native_;
    std::string path_;
};

// Backslash-separated form of a native path.
std::string WithBackslashes(const std::filesystem::path& path);

}  // namespace testing_support
