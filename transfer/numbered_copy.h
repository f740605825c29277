// Copying one photo to the first free name "<folder>\<base>_NNN.jpg" of a save run.
#pragma once

#include <future>
#include <memory>
#include <optional>
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
//
// A copy goes to the disk while the next photo is copied, and gets its name as soon as it
// is there, during the next CopyWithNumber; the last one gets it at Finish. Should the
// object go before Finish, a copy still on its way keeps its name when it is whole on the
// disk and the name is free, and is removed otherwise.
class Destination {
public:
    Destination(platform::Disk& disk, std::string folder);
    ~Destination();
    Destination(const Destination&) = delete;
    Destination& operator=(const Destination&) = delete;

    // Copies the photo at sourcePath to "<folder>\<base>_NNN.jpg", trying the numbers
    // from nextNumber up and skipping every taken name; nextNumber is then one past the
    // number chosen, even when the copy fails. Nothing is ever replaced: a name that
    // another program takes meanwhile is skipped too, and the copy gets the next free
    // number. Returns false after showing why ("Number of files with same title limited
    // by 999", "Error Source ...", "Error Destination ..."). A read, write, flush or rename
    // that fails raises platform::FileError. Either way the copy before this one keeps its
    // name when it is whole, no unfinished copy stays, and the photo is never changed.
    bool CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                        const std::string& sourcePath, const std::string& base);
    // Waits until the last copy is on the disk under its name, and the folder's new names
    // with it. False after showing why, or platform::FileError, as for a copy.
    bool Finish(framework::MessagePort& messages, int& nextNumber);

private:
    // A copy whose flush and close run while the next photo is copied. Whoever takes it
    // waits for `done` before the file goes.
    struct OnItsWay {
        std::unique_ptr<platform::File> file;
        std::string unfinished;
        std::string name;
        std::string base;
        std::future<void> done;
    };

    bool Prepare(framework::MessagePort& messages);
    bool IsTaken(const std::string& name) const;
    void MarkTaken(const std::string& name);
    // The first number from `number` up whose name is free, or 0 past the last one.
    int FreeNumber(const std::string& base, int number) const;
    std::string PathOf(const std::string& name) const;
    std::string WorkFolder() const;
    // Whether its flush and close are done; never for a test's disk, which does them when
    // asked.
    static bool IsOnTheDisk(const OnItsWay& copy);
    // Gives the copy on its way its name once it is on the disk.
    bool FinishOnItsWay(framework::MessagePort& messages, int& nextNumber);
    // The same without a word, for when the run ends otherwise.
    void FinishOnItsWayQuietly() noexcept;
    // Shows why this photo is not copied, after the copy before it got its name.
    bool Refuse(framework::MessagePort& messages, int& nextNumber, const std::string& text);

    platform::Disk& disk_;
    std::string folder_;
    bool prepared_ = false;
    bool workFolderMade_ = false;
    bool renamed_ = false;         // since the folder was last flushed
    std::set<std::string> taken_;  // folded names
    std::optional<OnItsWay> onItsWay_;
};

// The name of a copy inside its folder: base + "_NNN.jpg".
std::string NumberedName(const std::string& base, int number);

}  // namespace transfer
