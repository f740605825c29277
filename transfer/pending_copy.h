// A photo's copy on its way to its photo name. It is written whole under a name of the
// run's own; then, while the next photo is read from the card, it is written through to the
// disk, read back from the disk and compared with what was read of the photo, and only then
// named. One thread does that finishing, one copy at a time.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/disk.h"
#include "transfer/copy_digest.h"

namespace transfer {

// A copy written under a name of the run's own. It is removed with this object unless it
// got its photo name.
class PendingCopy {
public:
    PendingCopy(platform::Disk& disk, std::string photo, std::string base);
    ~PendingCopy();
    PendingCopy(const PendingCopy&) = delete;
    PendingCopy& operator=(const PendingCopy&) = delete;

    // Gives the copy the name finalPath; nothing under that name is ever replaced. 0 or the
    // system's error code. The copy's file is closed once it has its name.
    unsigned long Name();

    const std::string photo;  // the photo's path
    const std::string base;   // "<date>_<title>", which its number follows
    std::string finalPath;    // "<folder>\<base>_NNN.jpg", the name it is to get
    std::string unfinished;   // where it is now; empty until it is created
    platform::File file;      // held open from its creation until it has its name
    Digest digest;            // of the photo's bytes as they were read
    bool named = false;

private:
    platform::Disk& disk_;
};

// How finishing a copy ended: the step that stopped it, and the system's error code.
struct Finished {
    enum class Step {
        Named,      // whole on the disk under its name
        NameTaken,  // whole on the disk, but another program took its name meanwhile
        Flush,      // it could not be written through to the disk
        ReadBack,   // it could not be read back from the disk
        Differs,    // what the disk holds is not the photo
        Rename,     // the system refused its name
    };
    Step step = Step::Named;
    unsigned long code = 0;
};

// Finishes one copy at a time on a thread of its own.
class CopyFinisher {
public:
    explicit CopyFinisher(platform::Disk& disk);
    // Finishes the copy still in hand, then ends the thread.
    ~CopyFinisher();
    CopyFinisher(const CopyFinisher&) = delete;
    CopyFinisher& operator=(const CopyFinisher&) = delete;

    // Whether a copy was started and not yet waited for.
    bool Busy() const { return copy_ != nullptr; }
    // Starts finishing the copy; the copy before must have been waited for.
    void Start(std::unique_ptr<PendingCopy> copy);
    // Waits until the copy started last is finished and hands it back with how it ended.
    std::unique_ptr<PendingCopy> Wait(Finished& finished);

private:
    void Work();

    platform::Disk& disk_;
    platform::AlignedBuffer buffer_;  // for the reads back from the disk
    std::unique_ptr<PendingCopy> copy_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool working_ = false;
    bool stopping_ = false;
    Finished finished_;
    std::thread thread_;
};

}  // namespace transfer
