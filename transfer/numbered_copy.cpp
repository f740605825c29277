// The numbered copy: the free-name search against one listing of the folder, the byte copy
// through one 4096-byte buffer into a file of the run's own, and the rename through that
// file's handle that never replaces.
#include "transfer/numbered_copy.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "platform/folder.h"

namespace transfer {

namespace {

constexpr std::size_t kCopyBuffer = 4096;
constexpr std::size_t kErrorTextRoom = 1023;
constexpr char kLimitText[] = "Number of files with same title limited by 999";
// How many names a run tries for its folder before it writes beside the photos, and for
// an unfinished copy there.
constexpr int kRunFolderTries = 10;
// A process id in base 36 has at most seven digits.
constexpr std::size_t kLongestRunName = 7;

bool IsDigits(const std::string& text, std::size_t from, std::size_t to) {
    if (from >= to) return false;
    for (std::size_t i = from; i < to; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

// "~bv<run>" or "~bv<run>-<k>", as a run names its folder.
bool IsRunFolderName(const std::string& name) {
    const std::string folded = platform::FoldedName(name);
    const std::size_t prefix = sizeof kRunFolderPrefix - 1;
    if (folded.compare(0, prefix, kRunFolderPrefix) != 0) return false;
    const std::size_t dash = folded.find('-', prefix);
    const std::size_t end = dash == std::string::npos ? folded.size() : dash;
    if (end == prefix || end - prefix > kLongestRunName) return false;
    for (std::size_t i = prefix; i < end; ++i) {
        if (!std::isalnum(static_cast<unsigned char>(folded[i]))) return false;
    }
    return dash == std::string::npos || IsDigits(folded, dash + 1, folded.size());
}

// The planned number, as a run names an unfinished copy in its folder.
bool IsUnfinishedName(const std::string& name) {
    return name.size() <= 3 && IsDigits(name, 0, name.size());
}

std::string ThreeDigits(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%3.3i", number);
    return digits;
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

// An unfinished copy: removed with this object unless it got its photo name.
struct UnfinishedCopy {
    platform::Disk& disk;
    platform::File file;
    std::string path;
    bool named = false;

    explicit UnfinishedCopy(platform::Disk& d) : disk(d) {}
    ~UnfinishedCopy() {
        if (!file.IsOpen() && path.empty()) return;
        CloseQuietly(disk, file);
        if (!named) disk.TryRemove(path);
    }
    UnfinishedCopy(const UnfinishedCopy&) = delete;
    UnfinishedCopy& operator=(const UnfinishedCopy&) = delete;
};

}  // namespace

std::string RunName(unsigned long processId) {
    std::string name;
    do {
        name.insert(name.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[processId % 36]);
        processId /= 36;
    } while (processId != 0);
    return name;
}

std::string NumberedName(const std::string& base, int number) {
    return base + "_" + ThreeDigits(number) + ".jpg";
}

Destination::Destination(platform::Disk& disk, std::string folder, std::string run)
    : disk_(disk), folder_(std::move(folder)), run_(std::move(run)) {}

Destination::~Destination() {
    if (renamed_) disk_.TryFlushFolder(folder_);
    if (!runFolder_.empty()) disk_.TryRemoveFolder(runFolder_);
}

void Destination::Finish() {
    if (renamed_) disk_.TryFlushFolder(folder_);
    renamed_ = false;
    if (!runFolder_.empty()) disk_.TryRemoveFolder(runFolder_);
    runFolder_.clear();
    runFolderTried_ = false;
}

std::string Destination::PathOf(const std::string& name) const {
    return folder_ + "\\" + name;
}

// Names are compared without regard to ASCII case, as the file system compares them. A
// name that differs from a taken one only in a letter outside ASCII is still refused by the
// rename, and the next number is taken.
bool Destination::IsTaken(const std::string& name) const {
    return taken_.count(platform::FoldedName(name)) != 0;
}

void Destination::MarkTaken(const std::string& name) {
    taken_.insert(platform::FoldedName(name));
}

int Destination::FreeNumber(const std::string& base, int number) const {
    for (; number <= kLastNumber; ++number) {
        if (!IsTaken(NumberedName(base, number))) return number;
    }
    return 0;
}

void Destination::Prepare() {
    prepared_ = true;
    std::vector<platform::FolderEntry> entries;
    // A folder that cannot be read (a drop box that may only be written) still takes
    // copies; the renames then find the taken names.
    listed_ = disk_.ListFolder(folder_, entries, nullptr);
    for (const platform::FolderEntry& entry : entries) {
        MarkTaken(entry.name);
        // A link under such a name is someone else's: nothing is removed through it.
        if (entry.isFolder && !entry.isLink && IsRunFolderName(entry.name)) {
            RemoveLeftovers(PathOf(entry.name));
        }
    }
}

// What a run that was stopped midway left in its folder. Only the names a run gives its
// unfinished copies are removed, and only what can be removed: a copy that another run is
// writing is held open, and stays. The folder goes once it is empty.
void Destination::RemoveLeftovers(const std::string& runFolder) {
    std::vector<platform::FolderEntry> entries;
    if (!disk_.ListFolder(runFolder, entries, nullptr)) return;
    for (const platform::FolderEntry& entry : entries) {
        if (!entry.isFolder && IsUnfinishedName(entry.name)) {
            disk_.TryRemove(runFolder + "\\" + entry.name);
        }
    }
    disk_.TryRemoveFolder(runFolder);
}

bool Destination::MakeRunFolder() {
    for (int k = 0; k < kRunFolderTries; ++k) {
        std::string name = kRunFolderPrefix + run_;
        if (k > 0) name += "-" + std::to_string(k);
        if (IsTaken(name)) continue;
        MarkTaken(name);
        platform::FileError error;
        if (disk_.MakeHiddenFolder(PathOf(name), &error)) {
            runFolder_ = PathOf(name);
            return true;
        }
        // Anything else under that name is someone else's, and stays as it is.
        if (!platform::File::IsNameTaken(error.Cause())) return false;
    }
    return false;
}

unsigned long Destination::CreateUnfinished(platform::File& copy, const std::string& copyName,
                                            int number, std::string& unfinished) {
    const std::string inRunFolder =
        std::string(kRunFolderPrefix) + run_ + "\\" + std::to_string(number);
    const bool fits = inRunFolder.size() + 2 <= copyName.size();  // with "-<k>"
    platform::FileError error;
    if (fits) {
        if (!runFolderTried_) {
            runFolderTried_ = true;
            MakeRunFolder();
        }
        if (!runFolder_.empty()) {
            unfinished = runFolder_ + "\\" + std::to_string(number);
            if (disk_.Open(copy, unfinished, platform::OpenMode::CreateNew, &error)) return 0;
            // Another run may have cleared the folder away as a leftover while it was
            // empty: made again, it takes the copy.
            platform::FileError again;
            if (disk_.MakeHiddenFolder(runFolder_, &again) &&
                disk_.Open(copy, unfinished, platform::OpenMode::CreateNew, &error)) {
                return 0;
            }
        }
    }
    // Beside the photos, under a name as short as the copy's; an entry of that name that
    // is not the run's own stays as it is.
    for (int k = 0; k < kRunFolderTries; ++k) {
        std::string name = "~" + run_ + ThreeDigits(number);
        if (k > 0) name += "-" + std::to_string(k);
        if (IsTaken(name)) continue;
        unfinished = PathOf(name);
        if (disk_.Open(copy, unfinished, platform::OpenMode::CreateNew, &error)) return 0;
        if (!platform::File::IsNameTaken(error.Cause())) break;
    }
    return error.Cause();
}

bool Destination::CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                                 const std::string& sourcePath, const std::string& base) {
    if (nextNumber > kLastNumber) {
        messages.Show(kLimitText);
        return false;
    }
    if (!prepared_) Prepare();
    const int number = FreeNumber(base, nextNumber);
    if (number == 0) {
        messages.Show(kLimitText);
        return false;
    }
    std::string copyName = NumberedName(base, number);
    // The number counts as used from here on, whatever happens to this photo.
    nextNumber = number + 1;
    MarkTaken(copyName);

    platform::FileError error;
    platform::File source;
    if (!disk_.Open(source, sourcePath, platform::OpenMode::ReadDenyWrite, &error)) {
        messages.Show("Error Source " + ErrorText(error));
        return false;
    }
    UnfinishedCopy copy(disk_);
    if (const unsigned long code = CreateUnfinished(copy.file, copyName, number, copy.path)) {
        copy.path.clear();
        CloseQuietly(disk_, source);
        messages.Show("Error Destination " +
                      ErrorText(platform::FileError(code, PathOf(copyName))));
        return false;
    }
    // A failure of the copy is told with the name the user would have found it under.
    try {
        char buffer[kCopyBuffer];
        for (;;) {
            const std::size_t got = disk_.Read(source, buffer, sizeof buffer);
            if (got == 0) break;
            disk_.Write(copy.file, buffer, got);
        }
        CloseQuietly(disk_, source);
        // On the disk before it carries the photo's name: a crash after the rename must not
        // leave a name without its bytes.
        disk_.Flush(copy.file);
        for (;;) {
            const platform::MoveResult moved = disk_.Rename(copy.file, PathOf(copyName), &error);
            if (moved == platform::MoveResult::Moved) break;
            if (moved == platform::MoveResult::Failed) {
                // The system refuses the name itself (too long, say).
                messages.Show("Error Destination " + ErrorText(error));
                return false;
            }
            // Another program took the name since the folder was read: the next free
            // number gets the finished copy instead.
            MarkTaken(copyName);
            const int next = FreeNumber(base, nextNumber);
            if (next == 0) {
                messages.Show(kLimitText);
                return false;
            }
            copyName = NumberedName(base, next);
            nextNumber = next + 1;
            MarkTaken(copyName);
        }
    } catch (const platform::FileError& failure) {
        if (failure.FileName() == copy.file.GetFilePath() || failure.FileName() == copy.path) {
            throw platform::FileError(failure.Cause(), PathOf(copyName));
        }
        throw;
    }
    copy.named = true;
    renamed_ = true;
    // Whole and on the disk under its name; a failing close changes nothing of that.
    CloseQuietly(disk_, copy.file);
    return true;
}

}  // namespace transfer
