// Copying one photo to the first free name "<folder>\<base>_NNN.jpg" of a save run.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "framework/message_port.h"
#include "platform/disk.h"

namespace transfer {

// The highest running number a copy can get.
constexpr int kLastNumber = 999;

// The run's working folder inside the destination: copies are written there and only
// get their photo name once they are whole and on the disk. After a run that was killed
// it holds "<name>.jpg.part" files, which the next run into the folder removes.
inline constexpr char kWorkFolderName[] = "~brenvale-unfinished";
inline constexpr char kUnfinishedSuffix[] = ".part";

// One save run's destination folder. The folder is read once, at the first copy; from
// then on a name counts as taken when the folder held an entry of that name, in any case,
// or the run gave it to a copy. Leftovers of an interrupted run are removed at that first
// copy, and the working folder goes again with this object.
class Destination {
public:
    Destination(platform::Disk& disk, std::string folder);
    ~Destination();
    Destination(const Destination&) = delete;
    Destination& operator=(const Destination&) = delete;

    // Copies the photo at sourcePath to "<folder>\<base>_NNN.jpg", trying the numbers
    // from nextNumber up and skipping every taken name; nextNumber is then one past the
    // number chosen, even when the copy fails. Nothing is ever replaced: a name that
    // another program takes meanwhile is skipped too. Returns false after showing why
    // ("Number of files with same title limited by 999", "Error Source ...",
    // "Error Destination ..."). A read, write, flush or rename that fails raises
    // platform::FileError. Either way no unfinished copy stays, and the photo is never
    // changed.
    bool CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                        const std::string& sourcePath, const std::string& base);

private:
    bool Prepare(framework::MessagePort& messages);
    bool IsTaken(const std::string& name) const;
    void MarkTaken(const std::string& name);
    // The first number from `number` up whose name is free, or 0 past the last one.
    int FreeNumber(const std::string& base, int number) const;
    std::string PathOf(const std::string& name) const;
    std::string WorkFolder() const;

    platform::Disk& disk_;
    std::string folder_;
    bool prepared_ = false;
    bool workFolderMade_ = false;
    std::set<std::string> taken_;  // folded names
};

// The name of a copy inside its folder: base + "_NNN.jpg".
std::string NumberedName(const std::string& base, int number);

}  // namespace transfer
