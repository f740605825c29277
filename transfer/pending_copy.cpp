// Finishing a copy: the flush, the read back past the system's cache, the comparison and the
// rename that never replaces, on the finishing thread.
#include "transfer/pending_copy.h"

#include <new>

namespace transfer {

namespace {

// The read back is no part of the copy loop: a larger buffer costs fewer calls.
constexpr std::size_t kReadBackBuffer = 1 << 20;
constexpr std::size_t kReadBackAlignment = 4096;

// Reads the copy back from the disk and compares it with the photo's bytes as read.
Finished ReadBack(platform::Disk& disk, const PendingCopy& copy,
                  const platform::AlignedBuffer& buffer) {
    platform::File reader;
    if (const unsigned long code = disk.OpenUncachedReader(copy.file, reader)) {
        return {Finished::Step::ReadBack, code};
    }
    DigestOfBytes digest;
    for (;;) {
        std::size_t got = 0;
        if (const unsigned long code = disk.Read(reader, buffer.Data(), buffer.Size(), got)) {
            return {Finished::Step::ReadBack, code};
        }
        if (got == 0) break;
        digest.Add(buffer.Data(), got);
    }
    return {digest.Value() == copy.digest ? Finished::Step::Named : Finished::Step::Differs, 0};
}

Finished FinishCopy(platform::Disk& disk, PendingCopy& copy,
                    const platform::AlignedBuffer& buffer) {
    // On the disk before it is read back, and read back before it carries the photo's name:
    // a name never stands for anything but the whole photo.
    if (const unsigned long code = disk.Flush(copy.file)) return {Finished::Step::Flush, code};
    const Finished read = ReadBack(disk, copy, buffer);
    if (read.step != Finished::Step::Named) return read;
    const unsigned long code = copy.Name();
    if (code == 0) return {};
    return {platform::IsNameTaken(code) ? Finished::Step::NameTaken : Finished::Step::Rename, code};
}

}  // namespace

PendingCopy::PendingCopy(platform::Disk& disk, std::string photoPath, std::string baseName)
    : photo(std::move(photoPath)), base(std::move(baseName)), disk_(disk) {}

PendingCopy::~PendingCopy() {
    if (named) return;
    disk_.Close(file);
    if (!unfinished.empty()) disk_.Remove(unfinished);
}

unsigned long PendingCopy::Name() {
    if (const unsigned long code = disk_.Rename(file, finalPath)) return code;
    named = true;
    // Whole and on the disk under its name; a failing close changes nothing of that.
    disk_.Close(file);
    return 0;
}

CopyFinisher::CopyFinisher(platform::Disk& disk)
    : disk_(disk), buffer_(kReadBackBuffer, kReadBackAlignment) {
    if (!buffer_.Data()) throw std::bad_alloc();
    thread_ = std::thread([this] { Work(); });
}

CopyFinisher::~CopyFinisher() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void CopyFinisher::Start(std::unique_ptr<PendingCopy> copy) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        copy_ = std::move(copy);
        working_ = true;
    }
    changed_.notify_all();
}

std::unique_ptr<PendingCopy> CopyFinisher::Wait(Finished& finished) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !working_; });
    finished = finished_;
    return std::move(copy_);
}

void CopyFinisher::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return working_ || stopping_; });
        if (!working_) return;
        PendingCopy& copy = *copy_;
        lock.unlock();
        Finished finished;
        try {
            finished = FinishCopy(disk_, copy, buffer_);
        } catch (const std::bad_alloc&) {
            // Only the digest's state takes memory: without it nothing was compared.
            finished = {Finished::Step::ReadBack, 0};
        }
        lock.lock();
        finished_ = finished;
        working_ = false;
        changed_.notify_all();
    }
}

}  // namespace transfer
