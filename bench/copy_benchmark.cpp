// Copies photos the way a save run does, with the numbered copy, and prints how long
// that took. scripts/bench-copy.sh compares the figure with cp on the same photos.
//
//   copy_benchmark <destination folder> <photo>...
//   copy_benchmark --buffer <bytes> <destination folder> <photo>...
//
// The second form copies through a buffer of the given size instead, with the same file
// calls, to show what the buffer size alone costs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
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

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    std::size_t bufferSize = 0;
    if (argc > 2 && std::string(argv[1]) == "--buffer") {
        bufferSize = std::strtoul(argv[2], nullptr, 10);
        first = 3;
    }
    if (argc - first < 2 || (first == 3 && bufferSize == 0)) {
        std::fprintf(stderr, "usage: copy_benchmark [--buffer <bytes>] <folder> <photo>...\n");
        return 2;
    }
    const std::string folder = argv[first];
    PrintedMessages messages;
    int next = 1;
    const auto start = std::chrono::steady_clock::now();
    try {
        platform::Disk disk;
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
