// Copying one photo to the first free name "<folder>\<base>_NNN.jpg" of a save run.
#pragma once

#include <set>
#include <string>

#include "framework/message_port.h"
#include "platform/disk.h"

namespace transfer {

// The highest running number a copy can get.
constexpr int kLastNumber = 999;

// Unfinished copies are written under names of the run's own, and only get their photo
// name once they are whole and on the disk. Each run makes a hidden folder
// "~bv<run>" in the destination for them, named after its process ("~bv<run>-<k>" when
// that name is taken), and writes each copy there under its planned number. Where no
// such folder can be made, or its path would be longer than the copy's own, the copy is
// written beside the photos as "~<run>NNN". Files are held open, without sharing, from
// their creation until they have their name, so no other program can open, empty or
// remove them meanwhile.
inline constexpr char kRunFolderPrefix[] = "~bv";

// The run's part of its unfinished copies' names: the process id in base 36.
std::string RunName(unsigned long processId);

// One save run's destination folder. The folder is read once, at the first copy; from
// then on a name counts as taken when the folder held an entry of that name, in any case,
// or the run gave it to a copy. A folder that cannot be read is written to all the same:
// every name counts as free until the rename finds it taken. At that first read, what
// runs that were stopped midway left in their folders is removed, as far as it can be: a
// copy another run still holds stays.
class Destination {
public:
    Destination(platform::Disk& disk, std::string folder, std::string run);
    // Removes the run's folder once it is empty.
    ~Destination();
    Destination(const Destination&) = delete;
    Destination& operator=(const Destination&) = delete;

    // Copies the photo at sourcePath to "<folder>\<base>_NNN.jpg", trying the numbers
    // from nextNumber up and skipping every taken name; nextNumber is then one past the
    // number the copy got, even when the copy fails. The copy is on the disk before it
    // gets its name, and nothing is ever replaced: a name that another program takes
    // meanwhile is skipped too, and the copy gets the next free number. Returns false
    // after showing why ("Number of files with same title limited by 999", "Error Source
    // ...", "Error Destination ..." naming the copy as it would be called, also when the
    // system refuses that name). A read, write or flush that fails raises
    // platform::FileError, naming the photo for a read and the copy's name otherwise.
    // Either way no unfinished copy stays, and the photo is never changed.
    bool CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                        const std::string& sourcePath, const std::string& base);
    // Puts the folder's new names on the disk and removes the run's folder: after it, every
    // copy is on the disk under its name.
    void Finish();

private:
    void Prepare();
    void RemoveLeftovers(const std::string& runFolder);
    bool IsTaken(const std::string& name) const;
    void MarkTaken(const std::string& name);
    // The first number from `number` up whose name is free, or 0 past the last one.
    int FreeNumber(const std::string& base, int number) const;
    std::string PathOf(const std::string& name) const;
    // Creates the unfinished copy for the copy called copyName, planned as `number`; its
    // path in `unfinished`. 0 or the system's error code.
    unsigned long CreateUnfinished(platform::File& copy, const std::string& copyName, int number,
                                   std::string& unfinished);
    bool MakeRunFolder();

    platform::Disk& disk_;
    std::string folder_;
    std::string run_;
    bool prepared_ = false;
    bool listed_ = false;
    bool runFolderTried_ = false;
    std::string runFolder_;        // empty when the run has none
    bool renamed_ = false;         // since the folder was last flushed
    std::set<std::string> taken_;  // folded names
};

// The name of a copy inside its folder: base + "_NNN.jpg".
std::string NumberedName(const std::string& base, int number);

}  // namespace transfer
