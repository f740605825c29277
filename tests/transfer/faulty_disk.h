// The system's disk with a test standing in between: one step of the copy can be made to
// fail, a photo can change while it is read, the disk can give a copy back otherwise than
// it was written, a file can appear under a name just before the rename, and what reaches
// the destination folder itself is counted. Copies are finished on a thread of their own,
// so everything here is guarded.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/disk.h"
#include "platform/file.h"

namespace testing_support {

class FaultyDisk : public platform::Disk {
public:
    // The step that fails: "list", "mkdir", "mark" (the run's marker in its folder), "create",
    // "read", "write", "flush", "read back" or "rename"; "" for none. Only the copy's side of a
    // step fails: reading the photo, and writing, flushing, reading back and renaming the
    // unfinished copy.
    std::string failAt;
    // The folder whose own names are watched (no final backslash).
    std::string watched;
    // Called with the new name just before each rename.
    std::function<void(const std::string&)> beforeRename;
    // Changes what the disk gives back when the unfinished copy created `lieAbout`-th (from 1)
    // is read back.
    int lieAbout = 0;
    std::function<void(std::string& bytes)> lie;
    // The photo read as the `changeDuring`-th (from 1) changes after its first 4096 bytes:
    // "shrink" ends it there, "grow" makes it longer once it has been read.
    int changeDuring = 0;
    std::string change;
    // The flush of the first copy waits until the next photo is being read (for at most
    // 30 seconds), then records "flushed <copy>".
    bool firstFlushAwaitsNextRead = false;

    static constexpr unsigned long kFailure = 5;  // access denied, on either system's count

    // What the run did, in order: "read photo <name>", "flush <copy>", "read back <copy>",
    // "rename <name>", "flush the folder" (the watched one), "flush <folder>".
    std::vector<std::string> Events() const;
    // The paths of the unfinished copies, as they were created.
    std::vector<std::string> Created() const;
    // Operations on a name directly in the watched folder that had nothing under it: for
    // Wine, each of them reads the whole folder to look for the name in another case.
    int MissingLookups() const;
    int WatchedListings() const;

    unsigned long ListFolder(const std::string& folder,
                             std::vector<platform::FolderEntry>& entries) override;
    unsigned long MakeHiddenFolder(const std::string& path) override;
    unsigned long FlushFolder(const std::string& path) override;
    unsigned long Remove(const std::string& path) override;
    unsigned long Open(platform::File& file, const std::string& path,
                       platform::OpenMode mode) override;
    unsigned long OpenUncachedReader(const platform::File& file, platform::File& reader) override;
    unsigned long Read(platform::File& file, void* buffer, std::size_t count,
                       std::size_t& done) override;
    unsigned long Write(platform::File& file, const void* buffer, std::size_t count) override;
    unsigned long Size(const platform::File& file, std::uint64_t& size) override;
    unsigned long Flush(platform::File& file) override;
    unsigned long Rename(platform::File& file, const std::string& to) override;

private:
    struct ReadBack {
        std::string bytes;
        std::size_t next = 0;
    };
    struct Photo {
        int order = 0;
        std::uint64_t read = 0;
    };

    void Record(std::string event);
    void Look(const std::string& path);

    mutable std::mutex mutex_;
    std::condition_variable nextRead_;
    std::vector<std::string> events_;
    std::vector<std::string> created_;
    int missingLookups_ = 0;
    int watchedListings_ = 0;
    int photosOpened_ = 0;
    std::map<const platform::File*, int> copies_;  // the unfinished copies open now, by order
    std::map<const platform::File*, ReadBack> readers_;
    std::map<const platform::File*, Photo> photos_;
    int flushes_ = 0;
};

}  // namespace testing_support
