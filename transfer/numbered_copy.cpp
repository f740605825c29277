// The numbered copy: the free-name search against one listing of the folder, the byte copy
// through one 4096-byte buffer into the working folder, and the rename that never replaces.
#include "transfer/numbered_copy.h"

#include <chrono>
#include <cstdio>

namespace transfer {

namespace {

constexpr std::size_t kCopyBuffer = 4096;
constexpr std::size_t kErrorTextRoom = 1023;
constexpr char kLimitText[] = "Number of files with same title limited by 999";

// File names compared as the file system compares them, without regard to case. Letters
// outside ASCII are compared as they are; a name that differs only there is still
// refused by the rename, and the next number is taken.
std::string Folded(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// How often a copy looks whether the copy before it is on the disk: every 256 KB.
constexpr std::size_t kBuffersBetweenLooks = 64;

std::string ErrorText(const platform::FileError& error) {
    return error.Message().substr(0, kErrorTextRoom);
}

// The file is closed either way; the failure that brought us here is the one to report.
void CloseQuietly(platform::Disk& disk, platform::File& file) {
    try {
        disk.Close(file);
    } catch (const platform::FileError&) {
    }
}

}  // namespace

std::string NumberedName(const std::string& base, int number) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "_%3.3i", number);
    return base + suffix + ".jpg";
}

Destination::Destination(platform::Disk& disk, std::string folder)
    : disk_(disk), folder_(std::move(folder)) {}

Destination::~Destination() {
    FinishOnItsWayQuietly();
    if (renamed_) disk_.TryFlushFolder(folder_);
    if (workFolderMade_) disk_.TryRemoveFolder(WorkFolder());
}

std::string Destination::PathOf(const std::string& name) const {
    return folder_ + "\\" + name;
}

std::string Destination::WorkFolder() const {
    return PathOf(kWorkFolderName);
}

bool Destination::IsTaken(const std::string& name) const {
    return taken_.count(Folded(name)) != 0;
}

void Destination::MarkTaken(const std::string& name) {
    taken_.insert(Folded(name));
}

int Destination::FreeNumber(const std::string& base, int number) const {
    for (; number <= kLastNumber; ++number) {
        if (!IsTaken(NumberedName(base, number))) return number;
    }
    return 0;
}

bool Destination::Prepare(framework::MessagePort& messages) {
    std::vector<std::string> names;
    platform::FileError error;
    if (!disk_.ListFolder(folder_, names, &error)) {
        messages.Show("Error Destination " + ErrorText(error));
        return false;
    }
    for (const std::string& name : names) {
        MarkTaken(name);
    }
    // What a run that was killed left behind. Only the names this program gives its
    // unfinished copies are removed; anything else in the folder stays, and so does it.
    if (IsTaken(kWorkFolderName)) {
        std::vector<std::string> leftovers;
        if (disk_.ListFolder(WorkFolder(), leftovers, nullptr)) {
            for (const std::string& name : leftovers) {
                if (EndsWith(Folded(name), kUnfinishedSuffix)) {
                    disk_.TryRemove(WorkFolder() + "\\" + name);
                }
            }
        }
        workFolderMade_ = true;
    }
    prepared_ = true;
    return true;
}

bool Destination::Refuse(framework::MessagePort& messages, int& nextNumber,
                         const std::string& text) {
    if (FinishOnItsWay(messages, nextNumber)) messages.Show(text);
    return false;
}

bool Destination::CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                                 const std::string& sourcePath, const std::string& base) {
    if (nextNumber > kLastNumber) return Refuse(messages, nextNumber, kLimitText);
    if (!prepared_ && !Prepare(messages)) return false;
    const int number = FreeNumber(base, nextNumber);
    if (number == 0) return Refuse(messages, nextNumber, kLimitText);
    const std::string copyName = NumberedName(base, number);
    // The number counts as used from here on, whatever happens to this photo.
    nextNumber = number + 1;
    MarkTaken(copyName);

    platform::FileError error;
    platform::File source;
    if (!disk_.Open(source, sourcePath, platform::OpenMode::ReadDenyWrite, &error)) {
        return Refuse(messages, nextNumber, "Error Source " + ErrorText(error));
    }
    if (!workFolderMade_) {
        if (!disk_.MakeHiddenFolder(WorkFolder(), &error)) {
            return Refuse(messages, nextNumber, "Error Destination " + ErrorText(error));
        }
        workFolderMade_ = true;
    }
    const std::string unfinished = WorkFolder() + "\\" + copyName + kUnfinishedSuffix;
    auto copy = std::make_unique<platform::File>();
    if (!disk_.Open(*copy, unfinished, platform::OpenMode::Create, &error)) {
        return Refuse(messages, nextNumber, "Error Destination " + ErrorText(error));
    }
    bool before = true;  // whether the copy before this one got its name, if it had to
    try {
        char buffer[kCopyBuffer];
        std::size_t buffers = 0;
        while (const std::size_t got = disk_.Read(source, buffer, sizeof buffer)) {
            disk_.Write(*copy, buffer, got);
            // The copy before went to the disk meanwhile; it gets its name as soon as it is
            // there, not only once this photo, perhaps a long film, is copied.
            if (onItsWay_ && ++buffers % kBuffersBetweenLooks == 0 && IsOnTheDisk(*onItsWay_)) {
                before = FinishOnItsWay(messages, nextNumber);
                if (!before) break;
            }
        }
        if (before) before = FinishOnItsWay(messages, nextNumber);
    } catch (...) {
        CloseQuietly(disk_, *copy);
        disk_.TryRemove(unfinished);
        // What failed here is what the user is told; the copy before keeps its name
        // when it can.
        FinishOnItsWayQuietly();
        throw;
    }
    CloseQuietly(disk_, source);
    if (!before) {
        CloseQuietly(disk_, *copy);
        disk_.TryRemove(unfinished);
        return false;
    }
    // On the disk before it carries the photo's name: a crash after the rename must not
    // leave a name without its bytes.
    std::future<void> done = disk_.FlushAndCloseMeanwhile(*copy);
    onItsWay_ = OnItsWay{std::move(copy), unfinished, copyName, base, std::move(done)};
    return true;
}

bool Destination::IsOnTheDisk(const OnItsWay& copy) {
    return copy.done.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool Destination::Finish(framework::MessagePort& messages, int& nextNumber) {
    if (!FinishOnItsWay(messages, nextNumber)) return false;
    if (renamed_) {
        disk_.TryFlushFolder(folder_);
        renamed_ = false;
    }
    return true;
}

bool Destination::FinishOnItsWay(framework::MessagePort& messages, int& nextNumber) {
    if (!onItsWay_) return true;
    OnItsWay copy = std::move(*onItsWay_);
    onItsWay_.reset();
    try {
        copy.done.get();
        platform::FileError error;
        for (;;) {
            const platform::MoveResult moved =
                disk_.MoveNoReplace(copy.unfinished, PathOf(copy.name), &error);
            if (moved == platform::MoveResult::Moved) break;
            if (moved == platform::MoveResult::Failed) throw error;
            // Another program took the name since the folder was read: the next free
            // number gets the finished copy instead.
            const int number = FreeNumber(copy.base, nextNumber);
            if (number == 0) {
                disk_.TryRemove(copy.unfinished);
                messages.Show(kLimitText);
                return false;
            }
            copy.name = NumberedName(copy.base, number);
            nextNumber = number + 1;
            MarkTaken(copy.name);
        }
    } catch (...) {
        disk_.TryRemove(copy.unfinished);
        throw;
    }
    renamed_ = true;
    return true;
}

void Destination::FinishOnItsWayQuietly() noexcept {
    if (!onItsWay_) return;
    OnItsWay copy = std::move(*onItsWay_);
    onItsWay_.reset();
    bool kept = false;
    try {
        copy.done.get();
        kept = disk_.MoveNoReplace(copy.unfinished, PathOf(copy.name), nullptr) ==
               platform::MoveResult::Moved;
    } catch (...) {
    }
    if (kept) {
        renamed_ = true;
    } else {
        disk_.TryRemove(copy.unfinished);
    }
}

}  // namespace transfer
