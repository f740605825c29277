// The system's disk behind the save run's seam.
#include "platform/disk.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/native_file.h"

namespace platform {

// One thread for all the flushes of a disk's life: under Wine a new thread for each copy
// costs about as much as the flush it hides.
class Disk::Worker {
public:
    Worker() : thread_([this] { Run(); }) {}
    // Ends once every task given is done.
    ~Worker() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            ending_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    std::future<void> Give(std::packaged_task<void()> task) {
        std::future<void> done = task.get_future();
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        wake_.notify_one();
        return done;
    }

private:
    void Run() {
        for (;;) {
            std::packaged_task<void()> task;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return ending_ || !tasks_.empty(); });
                if (tasks_.empty()) return;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();  // what it raises goes to its future
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<void()>> tasks_;
    bool ending_ = false;
    std::thread thread_;  // last: it starts once the rest is made
};

Disk::Disk() = default;
Disk::~Disk() = default;

bool Disk::ListFolder(const std::string& folder, std::vector<std::string>& names,
                      FileError* error) {
    names.clear();
    if (const unsigned long code = native::ListFolder(folder, names)) {
        if (error) *error = FileError(code, folder);
        return false;
    }
    return true;
}

bool Disk::MakeHiddenFolder(const std::string& path, FileError* error) {
    if (const unsigned long code = native::MakeHiddenFolder(path)) {
        if (error) *error = FileError(code, path);
        return false;
    }
    return true;
}

void Disk::TryRemoveFolder(const std::string& path) noexcept {
    native::RemoveFolder(path);
}

bool Disk::Open(File& file, const std::string& path, OpenMode mode, FileError* error) {
    return file.Open(path, mode, error);
}

std::size_t Disk::Read(File& file, void* buffer, std::size_t count) {
    return file.Read(buffer, count);
}

void Disk::Write(File& file, const void* buffer, std::size_t count) {
    file.Write(buffer, count);
}

void Disk::Flush(File& file) {
    file.Flush();
}

void Disk::Close(File& file) {
    file.Close();
}

void Disk::FlushAndClose(File& file) {
    try {
        Flush(file);
    } catch (...) {
        try {
            Close(file);
        } catch (const FileError&) {
        }
        throw;
    }
    Close(file);
}

std::future<void> Disk::FlushAndCloseMeanwhile(File& file) {
    std::packaged_task<void()> task([this, &file] { FlushAndClose(file); });
    try {
        if (!worker_) worker_ = std::make_unique<Worker>();
    } catch (const std::system_error&) {
        // No thread to be had: the work is done here and now.
        std::future<void> done = task.get_future();
        task();
        return done;
    }
    return worker_->Give(std::move(task));
}

void Disk::TryFlushFolder(const std::string& path) noexcept {
    native::FlushFolder(path);
}

MoveResult Disk::MoveNoReplace(const std::string& from, const std::string& to, FileError* error) {
    const unsigned long code = native::MoveNoReplace(from, to);
    if (code == 0) return MoveResult::Moved;
    if (error) *error = FileError(code, to);
    return native::IsNameTaken(code) ? MoveResult::NameTaken : MoveResult::Failed;
}

void Disk::TryRemove(const std::string& path) noexcept {
    File::TryRemove(path);
}

}  // namespace platform
