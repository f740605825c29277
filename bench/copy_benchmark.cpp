// Copies photos the way a save run does, with the numbered copy, and prints how long
// that took. scripts/bench-copy.sh compares the figure with cp on the same photos.
//
//   copy_benchmark [--card <MB/s>] [--flush-in-line] <destination folder> <photo>...
//   copy_benchmark --buffer <bytes> <destination folder> <photo>...
//
// The second form copies through a buffer of the given size instead, with the same file
// calls, to show what the buffer size alone costs. --card reads the photos no faster than
// a memory card of that speed gives them; --flush-in-line puts each copy on the disk before
// the next photo is read, where the program would do that while it reads the next one.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "framework/message_port.h"
#include "platform/disk.h"
#include "platform/file.h"
#include "transfer/numbered_copy.h"

namespace {

class PrintedMessages : public framework::MessagePort {
public:
    void Show(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void ShowSystemError(const std::string& text) override { Show("Error: " + text); }
};

bool CopyThroughBuffer(std::size_t bufferSize, const std::string& source,
                       const std::string& copyName) {
    platform::File in(source, platform::OpenMode::ReadDenyWrite);
    platform::File out(copyName, platform::OpenMode::CreateNew);
    std::vector<char> buffer(bufferSize);
    while (const std::size_t got = in.Read(buffer.data(), buffer.size())) {
        out.Write(buffer.data(), got);
    }
    out.Close();
    in.Close();
    return true;
}

// The system's disk, with the photos read at a memory card's pace and, when asked, every
// flush done in line.
class CardDisk : public platform::Disk {
public:
    CardDisk(double bytesPerSecond, bool flushInLine)
        : bytesPerSecond_(bytesPerSecond), flushInLine_(flushInLine) {}

    std::size_t Read(platform::File& file, void* buffer, std::size_t count) override {
        const std::size_t got = platform::Disk::Read(file, buffer, count);
        if (bytesPerSecond_ > 0) {
            if (read_ == 0) start_ = std::chrono::steady_clock::now();
            read_ += got;
            std::this_thread::sleep_until(
                start_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                             std::chrono::duration<double>(read_ / bytesPerSecond_)));
        }
        return got;
    }
    std::future<void> FlushAndCloseMeanwhile(platform::File& file) override {
        if (!flushInLine_) return platform::Disk::FlushAndCloseMeanwhile(file);
        std::promise<void> done;
        FlushAndClose(file);
        done.set_value();
        return done.get_future();
    }

private:
    double bytesPerSecond_;
    bool flushInLine_;
    double read_ = 0;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    std::size_t bufferSize = 0;
    double cardMBps = 0;
    bool flushInLine = false;
    for (;;) {
        const std::string option = first < argc ? argv[first] : "";
        if (option == "--buffer" && first + 1 < argc) {
            bufferSize = std::strtoul(argv[first + 1], nullptr, 10);
            first += 2;
        } else if (option == "--card" && first + 1 < argc) {
            cardMBps = std::strtod(argv[first + 1], nullptr);
            first += 2;
        } else if (option == "--flush-in-line") {
            flushInLine = true;
            first += 1;
        } else {
            break;
        }
    }
    if (argc - first < 2) {
        std::fprintf(stderr,
                     "usage: copy_benchmark [--buffer <bytes> | --card <MB/s>] [--flush-in-line] "
                     "<folder> <photo>...\n");
        return 2;
    }
    const std::string folder = argv[first];
    PrintedMessages messages;
    int next = 1;
    const auto start = std::chrono::steady_clock::now();
    try {
        CardDisk disk(cardMBps * 1e6, flushInLine);
        transfer::Destination destination(disk, folder);
        for (int i = first + 1; i < argc; ++i) {
            const bool copied = bufferSize == 0
                                    ? destination.CopyWithNumber(messages, next, argv[i], "bench")
                                    : CopyThroughBuffer(bufferSize, argv[i],
                                                        folder + "\\bench_" + std::to_string(i));
            if (!copied) return 1;
        }
        if (bufferSize == 0 && !destination.Finish(messages, next)) return 1;
    } catch (const platform::FileError& error) {
        std::fprintf(stderr, "%s\n", error.Message().c_str());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", took.count());
    return 0;
}
