#include "faulty_disk.h"

#include <algorithm>

#include "transfer/numbered_copy.h"

namespace testing_support {

namespace {

std::string NameOf(const std::string& path) {
    return path.substr(path.rfind('\\') + 1);
}

}  // namespace

std::vector<std::string> FaultyDisk::Events() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<std::string> FaultyDisk::Created() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return created_;
}

int FaultyDisk::MissingLookups() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return missingLookups_;
}

int FaultyDisk::WatchedListings() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return watchedListings_;
}

void FaultyDisk::Record(std::string event) {
    const std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(std::move(event));
}

void FaultyDisk::Look(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == watched.size() && path.compare(0, slash, watched) == 0 &&
        !platform::Exists(path)) {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++missingLookups_;
    }
}

unsigned long FaultyDisk::ListFolder(const std::string& folder,
                                     std::vector<platform::FolderEntry>& entries) {
    if (folder == watched) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            ++watchedListings_;
        }
        if (failAt == "list") return kFailure;
    }
    return Disk::ListFolder(folder, entries);
}

unsigned long FaultyDisk::MakeHiddenFolder(const std::string& path) {
    Look(path);
    if (failAt == "mkdir") return kFailure;
    return Disk::MakeHiddenFolder(path);
}

unsigned long FaultyDisk::FlushFolder(const std::string& path) {
    Record(path == watched ? "flush the folder" : "flush " + path);
    return Disk::FlushFolder(path);
}

unsigned long FaultyDisk::Remove(const std::string& path) {
    Look(path);
    return Disk::Remove(path);
}

unsigned long FaultyDisk::Open(platform::File& file, const std::string& path,
                               platform::OpenMode mode) {
    Look(path);
    const bool copy = mode == platform::OpenMode::CreateNew && NameOf(path) != transfer::kRunMarker;
    int order = 0;
    if (copy) {
        const std::lock_guard<std::mutex> lock(mutex_);
        created_.push_back(path);
        order = static_cast<int>(created_.size());
    }
    if (copy && failAt == "create") return kFailure;
    if (!copy && mode == platform::OpenMode::CreateNew && failAt == "mark") return kFailure;
    if (const unsigned long code = Disk::Open(file, path, mode)) return code;
    const std::lock_guard<std::mutex> lock(mutex_);
    if (copy) copies_[&file] = order;
    if (mode == platform::OpenMode::ReadDenyWrite) photos_[&file] = Photo{++photosOpened_, 0};
    return 0;
}

unsigned long FaultyDisk::OpenUncachedReader(const platform::File& file, platform::File& reader) {
    if (failAt == "read back") return kFailure;
    if (const unsigned long code = Disk::OpenUncachedReader(file, reader)) return code;
    int order = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto copy = copies_.find(&file);
        if (copy != copies_.end()) order = copy->second;
    }
    Record("read back " + NameOf(file.Path()));
    // The disk's answer is read whole, through the reader as the program reads it, and
    // then given out as the lie makes it.
    ReadBack readBack;
    platform::AlignedBuffer buffer(1 << 16, reader.ReadAlignment());
    for (std::size_t got = 0;; readBack.bytes.append(reinterpret_cast<char*>(buffer.Data()), got)) {
        if (const unsigned long code = Disk::Read(reader, buffer.Data(), buffer.Size(), got)) {
            return code;
        }
        if (got == 0) break;
    }
    if (lie && order == lieAbout) lie(readBack.bytes);
    const std::lock_guard<std::mutex> lock(mutex_);
    readers_[&reader] = std::move(readBack);
    return 0;
}

unsigned long FaultyDisk::Read(platform::File& file, void* buffer, std::size_t count,
                               std::size_t& done) {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto reader = readers_.find(&file);
    if (reader != readers_.end()) {
        ReadBack& readBack = reader->second;
        done = std::min(count, readBack.bytes.size() - readBack.next);
        readBack.bytes.copy(static_cast<char*>(buffer), done, readBack.next);
        readBack.next += done;
        if (done == 0) readers_.erase(reader);
        return 0;
    }
    const auto photo = photos_.find(&file);
    if (photo == photos_.end()) {
        lock.unlock();
        return Disk::Read(file, buffer, count, done);
    }
    if (photo->second.read == 0) {
        events_.push_back("read photo " + NameOf(file.Path()));
        nextRead_.notify_all();
    }
    const bool shrunk = photo->second.order == changeDuring && change == "shrink";
    if (failAt == "read") return kFailure;
    if (shrunk && photo->second.read >= 4096) {
        done = 0;
        return 0;
    }
    lock.unlock();
    if (const unsigned long code = Disk::Read(file, buffer, count, done)) return code;
    lock.lock();
    photos_[&file].read += done;
    return 0;
}

unsigned long FaultyDisk::Write(platform::File& file, const void* buffer, std::size_t count) {
    if (const unsigned long code = Disk::Write(file, buffer, count)) return code;
    return failAt == "write" ? kFailure : 0;
}

unsigned long FaultyDisk::Size(const platform::File& file, std::uint64_t& size) {
    if (const unsigned long code = Disk::Size(file, size)) return code;
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto photo = photos_.find(&file);
    if (photo != photos_.end() && photo->second.order == changeDuring && change == "grow" &&
        photo->second.read > 0) {
        size += 1000;
    }
    return 0;
}

unsigned long FaultyDisk::Flush(platform::File& file) {
    Record("flush " + NameOf(file.Path()));
    if (firstFlushAwaitsNextRead) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (++flushes_ == 1) {
            const auto photosRead = [this] {
                return std::count_if(events_.begin(), events_.end(), [](const std::string& e) {
                    return e.rfind("read photo ", 0) == 0;
                });
            };
            nextRead_.wait_for(lock, std::chrono::seconds(30), [&] { return photosRead() >= 2; });
            events_.push_back("flushed " + NameOf(file.Path()));
        }
    }
    if (failAt == "flush") return kFailure;
    return Disk::Flush(file);
}

unsigned long FaultyDisk::Rename(platform::File& file, const std::string& to) {
    if (beforeRename) beforeRename(to);
    Record("rename " + NameOf(to));
    Look(to);
    if (failAt == "rename") return kFailure;
    return Disk::Rename(file, to);
}

}  // namespace testing_support
