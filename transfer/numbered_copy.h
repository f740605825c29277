// Copying one photo to the first free name "<folder>\<base>_NNN.jpg" of a save run.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/disk.h"
#include "transfer/pending_copy.h"

namespace transfer {

// The highest running number a copy can get.
constexpr int kLastNumber = 999;

inline constexpr char kLimitText[] = "Number of files with same title limited by 999";

// What the user is told when a copy could not be made: nothing when it was.
using Failure = std::optional<std::string>;

// Unfinished copies are written under names of the run's own, and only get their photo
// name once they are whole, on the disk, and read back from it equal to their photo. Each
// run makes a hidden folder "~bv<run>" in the destination for them, named after its process
// ("~bv<run>-<k>" when that name is taken), marks it as its own with the file kRunMarker,
// which it writes first and holds open while it works, and writes each copy there under
// the count of the run's copies ("~bv<run>\1"). Where no such folder can be made, or its
// path would be longer than the copy's own, the copy is written beside the photos as
// "~<run>NNN". Copies are held
// open from their creation until they have their name, so no other program can write,
// empty or remove them meanwhile.
inline constexpr char kRunFolderPrefix[] = "~bv";
inline constexpr char kRunMarker[] = "brenvale.run";

// The run's part of its unfinished copies' names: the process id in base 36.
std::string RunName(unsigned long processId);

// One save run's destination folder. The folder is read once, at the first copy; from
// then on a name counts as taken when the folder held an entry of that name, in any case,
// or the run gave it to a copy. A folder that cannot be read is written to all the same:
// every name counts as free until the rename finds it taken. At that first read, what
// runs that were stopped midway left in their marked folders is removed, as far as it can
// be: the folder of a run still at work stays.
class Destination {
public:
    // `nextNumber` is the run's running number: the first number to try for the next photo.
    Destination(platform::Disk& disk, std::string folder, std::string run, int& nextNumber);
    // Lets the copy in hand be finished, and removes the run's folder.
    ~Destination();
    Destination(const Destination&) = delete;
    Destination& operator=(const Destination&) = delete;

    // Copies the photo at sourcePath to "<folder>\<base>_NNN.jpg", trying the numbers from
    // the running number up and skipping every taken name; the running number is then one
    // past the number the copy got, even when the copy fails. The copy is finished (on the
    // disk, read back, named) while the next photo is copied; a failure of the copy before
    // is told first. Nothing is ever replaced: a name that another program takes meanwhile
    // is skipped too, and the copy gets the next free number. Returns what the user must be
    // told when the run has to stop ("Number of files with same title limited by 999",
    // "Error Source ...", "Error Destination ..." naming the copy as it would be called, a
    // failed read naming the photo, a failed write or flush naming the copy, a photo that
    // changed meanwhile, a copy that the disk gives back otherwise than it was written).
    // Either way no unfinished copy stays, and the photo is never changed.
    Failure CopyWithNumber(const std::string& sourcePath, const std::string& base);
    // Finishes the last copy and puts the folder's new names on the disk: after it, every
    // copy is on the disk under its name, read back equal to its photo.
    Failure Finish();

private:
    void Prepare();
    void RemoveLeftovers(const std::string& runFolder);
    bool IsTaken(const std::string& name) const;
    void MarkTaken(const std::string& name);
    std::string PathOf(const std::string& name) const;
    struct Written;
    // Whether a number from the running number up is free for the base.
    bool HasFreeNumber(const std::string& base);
    // The first number from the running number up whose name is free; 0 past the last one.
    int FreeNumber(const std::string& base) const;
    // Gives the copy the next free number's name; false past the last number.
    bool ReserveName(PendingCopy& copy);
    Written WriteCopy(PendingCopy& copy);
    std::string WriteFailure(const Written& written, const PendingCopy& copy) const;
    // Creates the unfinished copy. 0 or the system's error code.
    unsigned long CreateUnfinished(PendingCopy& copy);
    bool MakeRunFolder();
    void CloseRunFolder();
    // The folder's new names written through to the disk, the run's folder gone.
    void PutNamesOnTheDisk();
    // Waits for the copy being finished and tells how that ended.
    Failure Settle();
    Failure NameElsewhere(PendingCopy& copy);

    platform::Disk& disk_;
    std::string folder_;
    std::string run_;
    int& nextNumber_;
    bool prepared_ = false;
    bool renamed_ = false;  // since the folder was last flushed
    bool runFolderTried_ = false;
    int unfinishedCount_ = 0;      // the unfinished copies the run has made
    std::string runFolder_;        // empty when the run has none
    platform::File marker_;        // held open while the run works in its folder
    std::set<std::string> taken_;  // folded names
    std::unique_ptr<CopyFinisher> finisher_;
};

// The name of a copy inside its folder: base + "_NNN.jpg".
std::string NumberedName(const std::string& base, int number);

}  // namespace transfer
