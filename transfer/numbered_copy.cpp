// The numbered copy: the free-name search against one listing of the folder, the byte copy
// through one 4096-byte buffer into the working folder, and the rename that never replaces.
#include "transfer/numbered_copy.h"

#include <cstdio>

namespace transfer {

namespace {

constexpr std::size_t kCopyBuffer = 4096;
constexpr std::size_t kErrorTextRoom = 1023;

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

bool Destination::CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                                 const std::string& sourcePath, const std::string& base) {
    const char* const kLimitText = "Number of files with same title limited by 999";
    if (nextNumber > kLastNumber) {
        messages.Show(kLimitText);
        return false;
    }
    if (!prepared_ && !Prepare(messages)) return false;
    int number = FreeNumber(base, nextNumber);
    if (number == 0) {
        messages.Show(kLimitText);
        return false;
    }
    std::string copyName = NumberedName(base, number);
    // The number counts as used from here on, whatever happens to this photo.
    nextNumber = number + 1;

    platform::FileError error;
    platform::File source;
    if (!disk_.Open(source, sourcePath, platform::OpenMode::ReadDenyWrite, &error)) {
        messages.Show("Error Source " + ErrorText(error));
        return false;
    }
    if (!workFolderMade_) {
        if (!disk_.MakeHiddenFolder(WorkFolder(), &error)) {
            messages.Show("Error Destination " + ErrorText(error));
            return false;
        }
        workFolderMade_ = true;
    }
    const std::string unfinished = WorkFolder() + "\\" + copyName + kUnfinishedSuffix;
    platform::File copy;
    if (!disk_.Open(copy, unfinished, platform::OpenMode::Create, &error)) {
        messages.Show("Error Destination " + ErrorText(error));
        return false;
    }
    try {
        char buffer[kCopyBuffer];
        while (const std::size_t got = disk_.Read(source, buffer, sizeof buffer)) {
            disk_.Write(copy, buffer, got);
        }
        // On the disk before it carries the photo's name: a crash after the rename must
        // not leave a name without its bytes.
        disk_.Flush(copy);
        disk_.Close(copy);
        for (;;) {
            const platform::MoveResult moved =
                disk_.MoveNoReplace(unfinished, PathOf(copyName), &error);
            if (moved == platform::MoveResult::Moved) break;
            if (moved == platform::MoveResult::Failed) throw error;
            // Another program took the name since the folder was read: the next free
            // number gets the finished copy instead.
            MarkTaken(copyName);
            number = FreeNumber(base, nextNumber);
            if (number == 0) {
                disk_.TryRemove(unfinished);
                messages.Show(kLimitText);
                return false;
            }
            copyName = NumberedName(base, number);
            nextNumber = number + 1;
        }
    } catch (...) {
        CloseQuietly(disk_, copy);
        disk_.TryRemove(unfinished);
        throw;
    }
    MarkTaken(copyName);
    CloseQuietly(disk_, source);
    return true;
}

}  // namespace transfer
