// Copies photos the way a save run does, with the numbered copy, and prints how long
// that took. scripts/bench-copy.sh compares the figure with cp on the same photos.
//
//   copy_benchmark [--card <MB/s>] <destination folder> <photo>...
//   copy_benchmark [--card <MB/s>] --buffer <bytes> <destination folder> <photo>...
//
// The second form copies through a buffer of the given size instead, with the same file
// calls, to show what the buffer size alone costs. --card reads the photos no faster than
// a memory card of that speed gives them.
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

// The system's disk, with the photos read no faster than a memory card gives them.
class CardDisk : public platform::Disk {
public:
    explicit CardDisk(double bytesPerSecond) : bytesPerSecond_(bytesPerSecond) {}

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

private:
    double bytesPerSecond_;
    double read_ = 0;
    std::chrono::steady_clock::time_point start_;
};

bool CopyThroughBuffer(platform::Disk& disk, std::size_t bufferSize, const std::string& source,
                       const std::string& copyName) {
    platform::File in(source, platform::OpenMode::ReadDenyWrite);
    platform::File out(copyName, platform::OpenMode::CreateNew);
    std::vector<char> buffer(bufferSize);
    while (const std::size_t got = disk.Read(in, buffer.data(), buffer.size())) {
        out.Write(buffer.data(), got);
    }
    out.Close();
    in.Close();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    std::size_t bufferSize = 0;
    double cardMBps = 0;
    for (;;) {
        const std::string option = first < argc ? argv[first] : "";
        if (option == "--buffer" && first + 1 < argc) {
            bufferSize = std::strtoul(argv[first + 1], nullptr, 10);
            first += 2;
        } else if (option == "--card" && first + 1 < argc) {
            cardMBps = std::strtod(argv[first + 1], nullptr);
            first += 2;
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
        CardDisk disk(cardMBps * 1e6);
        transfer::Destination destination(disk, folder, "bench");
        for (int i = first + 1; i < argc; ++i) {
            const bool copied = bufferSize == 0
                                    ? destination.CopyWithNumber(messages, next, argv[i], "bench")
                                    : CopyThroughBuffer(disk, bufferSize, argv[i],
                                                        folder + "\\bench_" + std::to_string(i));
            if (!copied) return 1;
        }
        if (bufferSize == 0) destination.Finish();
    } catch (const platform::FileError& error) {
        std::fprintf(stderr, "%s\n", error.Message().c_str());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", took.count());
    return 0;
}
