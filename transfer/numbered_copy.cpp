// The numbered copy: the free-name search against one listing of the folder, the byte copy
// through one 4096-byte buffer into a file of the run's own with a digest of the photo, and
// the finishing of each copy (flush, read back, rename that never replaces) while the next
// photo is copied.
#include "transfer/numbered_copy.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "platform/file_error.h"
#include "platform/folder.h"

namespace transfer {

namespace {

constexpr std::size_t kCopyBuffer = 4096;
constexpr std::size_t kErrorTextRoom = 1023;
// How many names a run tries for its folder before it writes beside the photos, and for
// an unfinished copy there.
constexpr int kRunFolderTries = 10;
// A process id in base 36 has at most seven digits.
constexpr std::size_t kLongestRunName = 7;

bool IsDigits(const std::string& text, std::size_t from, std::size_t to) {
    if (from >= to) return false;
    return std::all_of(text.begin() + from, text.begin() + to,
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
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

// The count of the run's copies, as a run names an unfinished copy in its folder: a run
// of more than 999 photos (of several dates) counts on past 999.
bool IsUnfinishedName(const std::string& name) {
    return IsDigits(name, 0, name.size());
}

bool IsPlainFile(const platform::FolderEntry& entry) {
    return !entry.isFolder && !entry.isLink;
}

std::string ThreeDigits(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%3.3i", number);
    return digits;
}

std::string ErrorText(unsigned long code, const std::string& fileName) {
    return platform::FileError(code, fileName).Message().substr(0, kErrorTextRoom);
}

std::string ChangedText(const std::string& photo) {
    return "The photo \"" + photo +
           "\" changed while it was being copied, so its copy was not kept.";
}

std::string DiffersText(const PendingCopy& copy) {
    return "The copy \"" + copy.finalPath + "\" read back from the disk differs from the photo \"" +
           copy.photo + "\", so it was not kept. The destination's disk may be failing.";
}

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

Destination::Destination(platform::Disk& disk, std::string folder, std::string run, int& nextNumber)
    : disk_(disk),
      folder_(std::move(folder)),
      run_(std::move(run)),
      nextNumber_(nextNumber),
      finisher_(std::make_unique<CopyFinisher>(disk)) {}

Destination::~Destination() {
    // The copy in hand is finished, or removed when it cannot be: nothing half-done stays.
    finisher_.reset();
    PutNamesOnTheDisk();
}

Failure Destination::Finish() {
    Failure failure = Settle();
    PutNamesOnTheDisk();
    return failure;
}

void Destination::PutNamesOnTheDisk() {
    if (renamed_) disk_.FlushFolder(folder_);
    renamed_ = false;
    CloseRunFolder();
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

void Destination::Prepare() {
    prepared_ = true;
    std::vector<platform::FolderEntry> entries;
    // A folder that cannot be read (a drop box that may only be written) still takes
    // copies; the renames then find the taken names.
    if (disk_.ListFolder(folder_, entries) != 0) entries.clear();
    for (const platform::FolderEntry& entry : entries) {
        MarkTaken(entry.name);
        // A link under such a name is someone else's: nothing is removed through it.
        if (entry.isFolder && !entry.isLink && IsRunFolderName(entry.name)) {
            RemoveLeftovers(PathOf(entry.name));
        }
    }
}

// What a run that was stopped midway left in its folder. Only a folder that a run marked as
// its own is touched, only the names a run gives its unfinished copies are removed, and only
// what can be removed: a run at work holds its marker and its copies open, and its folder
// stays. The folder goes once it is empty.
void Destination::RemoveLeftovers(const std::string& runFolder) {
    std::vector<platform::FolderEntry> entries;
    if (disk_.ListFolder(runFolder, entries) != 0) return;
    const auto marker = std::find_if(entries.begin(), entries.end(), [](const auto& entry) {
        return IsPlainFile(entry) && platform::FoldedName(entry.name) == kRunMarker;
    });
    if (marker == entries.end()) return;
    for (const platform::FolderEntry& entry : entries) {
        if (IsPlainFile(entry) && IsUnfinishedName(entry.name)) {
            disk_.Remove(runFolder + "\\" + entry.name);
        }
    }
    if (disk_.Remove(runFolder + "\\" + marker->name) == 0) disk_.RemoveFolder(runFolder);
}

bool Destination::MakeRunFolder() {
    for (int k = 0; k < kRunFolderTries; ++k) {
        std::string name = kRunFolderPrefix + run_;
        if (k > 0) name += "-" + std::to_string(k);
        if (IsTaken(name)) continue;
        MarkTaken(name);
        const std::string path = PathOf(name);
        if (const unsigned long code = disk_.MakeHiddenFolder(path)) {
            // Anything else under that name is someone else's, and stays as it is.
            if (platform::IsNameTaken(code)) continue;
            return false;
        }
        // The marker first: from now on the folder can be told from anything of the user's.
        if (disk_.Open(marker_, path + "\\" + kRunMarker, platform::OpenMode::CreateNew) != 0) {
            disk_.RemoveFolder(path);
            return false;
        }
        runFolder_ = path;
        return true;
    }
    return false;
}

// The run's folder goes, as a stopped run's would: the marker and the folder, once nothing
// of an unfinished copy is left in it.
void Destination::CloseRunFolder() {
    if (runFolder_.empty()) return;
    disk_.Close(marker_);
    RemoveLeftovers(runFolder_);
    runFolder_.clear();
}

// How writing a copy ended, before the copy has its number.
struct Destination::Written {
    enum class Step { Done, OpenPhoto, ReadPhoto, Create, WriteCopy, Changed };
    Step step = Step::Done;
    unsigned long code = 0;
};

unsigned long Destination::CreateUnfinished(PendingCopy& copy) {
    // Named by the run's count of photos: a copy's number is only known once the copy
    // before it has its name.
    const int count = ++unfinishedCount_;
    const std::size_t copyNameLength = NumberedName(copy.base, 0).size();
    const std::string inRunFolder =
        std::string(kRunFolderPrefix) + run_ + "\\" + std::to_string(count);
    if (inRunFolder.size() + 2 <= copyNameLength) {  // with "-<k>"
        if (!runFolderTried_) {
            runFolderTried_ = true;
            MakeRunFolder();
        }
        if (!runFolder_.empty()) {
            copy.unfinished = runFolder_ + "\\" + std::to_string(count);
            if (disk_.Open(copy.file, copy.unfinished, platform::OpenMode::CreateNew) == 0)
                return 0;
        }
    }
    // Beside the photos, under a name as short as the copy's; an entry of that name that
    // is not the run's own stays as it is.
    unsigned long code = platform::NameTakenCode();
    for (int k = 0; k < kRunFolderTries; ++k) {
        std::string name = "~" + run_ + ThreeDigits(count);
        if (k > 0) name += "-" + std::to_string(k);
        if (IsTaken(name)) continue;
        copy.unfinished = PathOf(name);
        code = disk_.Open(copy.file, copy.unfinished, platform::OpenMode::CreateNew);
        if (code == 0) return 0;
        if (!platform::IsNameTaken(code)) break;
    }
    copy.unfinished.clear();
    return code;
}

bool Destination::HasFreeNumber(const std::string& base) {
    if (nextNumber_ > kLastNumber) return false;
    if (!prepared_) Prepare();
    return FreeNumber(base) != 0;
}

int Destination::FreeNumber(const std::string& base) const {
    for (int number = nextNumber_; number <= kLastNumber; ++number) {
        if (!IsTaken(NumberedName(base, number))) return number;
    }
    return 0;
}

bool Destination::ReserveName(PendingCopy& copy) {
    const int number = FreeNumber(copy.base);
    if (number == 0) return false;
    // The number counts as used from here on, whatever happens to this photo.
    nextNumber_ = number + 1;
    MarkTaken(NumberedName(copy.base, number));
    copy.finalPath = PathOf(NumberedName(copy.base, number));
    return true;
}

// The photo's bytes into a new unfinished copy, read once through one buffer, with their
// digest. A photo that is not as long as it was when it was opened, or that changes its
// length meanwhile, is not copied: its copy would be neither the photo as it was nor as it is.
Destination::Written Destination::WriteCopy(PendingCopy& copy) {
    using Step = Written::Step;
    platform::File photo;
    if (const unsigned long code =
            disk_.Open(photo, copy.photo, platform::OpenMode::ReadDenyWrite)) {
        return {Step::OpenPhoto, code};
    }
    std::uint64_t length = 0;
    if (const unsigned long code = disk_.Size(photo, length)) return {Step::ReadPhoto, code};
    if (const unsigned long code = CreateUnfinished(copy)) return {Step::Create, code};
    DigestOfBytes digest;
    char buffer[kCopyBuffer];
    for (;;) {
        std::size_t got = 0;
        if (const unsigned long code = disk_.Read(photo, buffer, sizeof buffer, got)) {
            return {Step::ReadPhoto, code};
        }
        if (got == 0) break;
        digest.Add(buffer, got);
        if (const unsigned long code = disk_.Write(copy.file, buffer, got)) {
            return {Step::WriteCopy, code};
        }
    }
    copy.digest = digest.Value();
    std::uint64_t lengthAfter = 0;
    if (copy.digest.length != length || disk_.Size(photo, lengthAfter) != 0 ||
        lengthAfter != length) {
        return {Step::Changed, 0};
    }
    return {};
}

// What the user is told of a copy that could not be written: of the photo when it could
// not be read, of the copy, under the name it would have had, when it could not be written.
std::string Destination::WriteFailure(const Written& written, const PendingCopy& copy) const {
    switch (written.step) {
        case Written::Step::OpenPhoto:
            return "Error Source " + ErrorText(written.code, copy.photo);
        case Written::Step::ReadPhoto:
            return platform::FileError(written.code, copy.photo).Message();
        case Written::Step::Create:
            return "Error Destination " + ErrorText(written.code, copy.finalPath);
        case Written::Step::WriteCopy:
            return platform::FileError(written.code, copy.finalPath).Message();
        case Written::Step::Changed:
        case Written::Step::Done:
            break;
    }
    return ChangedText(copy.photo);
}

Failure Destination::CopyWithNumber(const std::string& sourcePath, const std::string& base) {
    if (!HasFreeNumber(base)) {
        if (Failure earlier = Settle()) return earlier;
        return kLimitText;
    }
    auto copy = std::make_unique<PendingCopy>(disk_, sourcePath, base);
    const Written written = WriteCopy(*copy);
    // The copy before is told of first, and gets its name first: its photo came first.
    if (Failure earlier = Settle()) return earlier;
    if (!ReserveName(*copy)) return kLimitText;
    if (written.step != Written::Step::Done) return WriteFailure(written, *copy);
    finisher_->Start(std::move(copy));
    return std::nullopt;
}

Failure Destination::Settle() {
    if (!finisher_->Busy()) return std::nullopt;
    Finished finished;
    const std::unique_ptr<PendingCopy> copy = finisher_->Wait(finished);
    switch (finished.step) {
        case Finished::Step::Named:
            renamed_ = true;
            return std::nullopt;
        case Finished::Step::NameTaken:
            return NameElsewhere(*copy);
        case Finished::Step::Flush:
            return platform::FileError(finished.code, copy->finalPath).Message();
        case Finished::Step::ReadBack:
        case Finished::Step::Rename:
            // The disk cannot give the copy back, or the system refuses the name itself (too
            // long, say).
            return "Error Destination " + ErrorText(finished.code, copy->finalPath);
        case Finished::Step::Differs:
            return DiffersText(*copy);
    }
    return std::nullopt;
}

// Another program took the copy's name since the folder was read: the next free number
// gets the finished copy instead.
Failure Destination::NameElsewhere(PendingCopy& copy) {
    for (;;) {
        if (!ReserveName(copy)) return kLimitText;
        const unsigned long code = copy.Name();
        if (code == 0) {
            renamed_ = true;
            return std::nullopt;
        }
        if (!platform::IsNameTaken(code)) {
            return "Error Destination " + ErrorText(code, copy.finalPath);
        }
    }
}

}  // namespace transfer
