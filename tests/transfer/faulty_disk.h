// The system's disk with a test standing in between: one step of the copy can be made to
// fail, a file can appear under a name just before the rename, and what reaches the
// destination folder itself is counted.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/disk.h"
#include "platform/file.h"

namespace testing_support {

class FaultyDisk : public platform::Disk {
public:
    // The step that fails: "list", "mkdir", "create", "read", "write", "flush", "close" or
    // "rename"; "" for none. Only the copy's side of a step fails: reading the photo,
    // writing, flushing and closing the unfinished copy.
    std::string failAt;
    // The folder whose own names are watched (no final backslash).
    std::string watched;
    // Operations on a name directly in the watched folder that had nothing under it: for
    // Wine, each of them reads the whole folder to look for the name in another case.
    int missingLookups = 0;
    int watchedListings = 0;
    // Called with the new name just before each rename.
    std::function<void(const std::string&)> beforeRename;
    // When set, the copy's steps are written down in it: "flush <name>", "rename <name>",
    // "flush the folder" (the watched one).
    std::vector<std::string>* events = nullptr;
    // The paths of the unfinished copies, as they were created.
    std::vector<std::string> created;

    static constexpr unsigned long kFailure = 5;  // access denied, on either system's count

    bool ListFolder(const std::string& folder, std::vector<platform::FolderEntry>& entries,
                    platform::FileError* error) override {
        if (folder == watched) {
            ++watchedListings;
            if (failAt == "list") return Fail(folder, error);
        }
        return Disk::ListFolder(folder, entries, error);
    }
    bool MakeHiddenFolder(const std::string& path, platform::FileError* error) override {
        Look(path);
        if (failAt == "mkdir") return Fail(path, error);
        return Disk::MakeHiddenFolder(path, error);
    }
    bool Open(platform::File& file, const std::string& path, platform::OpenMode mode,
              platform::FileError* error) override {
        Look(path);
        const bool copy = mode == platform::OpenMode::CreateNew;
        if (copy) created.push_back(path);
        if (copy && failAt == "create") return Fail(path, error);
        if (!Disk::Open(file, path, mode, error)) return false;
        if (copy) copies_.insert(&file);
        return true;
    }
    std::size_t Read(platform::File& file, void* buffer, std::size_t count) override {
        if (failAt == "read" && copies_.count(&file) == 0)
            throw platform::FileError(kFailure, "photo");
        return Disk::Read(file, buffer, count);
    }
    void Write(platform::File& file, const void* buffer, std::size_t count) override {
        Disk::Write(file, buffer, count);
        if (failAt == "write") throw platform::FileError(kFailure, file.GetFilePath());
    }
    void Flush(platform::File& file) override {
        if (events) events->push_back("flush " + NameOf(file.GetFilePath()));
        if (failAt == "flush") throw platform::FileError(kFailure, file.GetFilePath());
        Disk::Flush(file);
    }
    void Close(platform::File& file) override {
        const bool copy = copies_.erase(&file) != 0;
        Disk::Close(file);
        if (copy && failAt == "close") throw platform::FileError(kFailure, "copy");
    }
    void TryFlushFolder(const std::string& path) noexcept override {
        if (events) events->push_back(path == watched ? "flush the folder" : "flush " + path);
        Disk::TryFlushFolder(path);
    }
    platform::MoveResult Rename(platform::File& file, const std::string& to,
                                platform::FileError* error) override {
        if (beforeRename) beforeRename(to);
        if (events) events->push_back("rename " + NameOf(to));
        Look(to);
        if (failAt == "rename") {
            Fail(to, error);
            return platform::MoveResult::Failed;
        }
        return Disk::Rename(file, to, error);
    }
    void TryRemove(const std::string& path) noexcept override {
        Look(path);
        Disk::TryRemove(path);
    }

private:
    static std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }
    void Look(const std::string& path) {
        const std::size_t slash = path.rfind('\\');
        if (slash != std::string::npos && path.compare(0, slash, watched) == 0 &&
            slash == watched.size() && !platform::File::Exists(path)) {
            ++missingLookups;
        }
    }
    static bool Fail(const std::string& path, platform::FileError* error) {
        if (error) *error = platform::FileError(kFailure, path);
        return false;
    }

    std::set<const platform::File*> copies_;  // the unfinished copies open now
};

}  // namespace testing_support
