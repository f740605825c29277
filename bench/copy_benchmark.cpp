// Copies photos the way a save run does, with the numbered copy (each copy written through
// to the disk, read back and named while the next photo is read), and prints how long that
// took. The benchmark scripts compare the figure with cp and with the bare copy loop.
//
//   copy_benchmark <destination folder> <photo>...
//   copy_benchmark --buffer <bytes> <destination folder> <photo>...
//
// The second form is the bare copy loop: each photo through a buffer of the given size into
// a new file, with the same file calls and nothing else.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/disk.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "transfer/numbered_copy.h"

namespace {

unsigned long CopyThroughBuffer(std::size_t bufferSize, const std::string& source,
                                const std::string& copyName) {
    platform::File in;
    platform::File out;
    if (const unsigned long code = in.Open(source, platform::OpenMode::ReadDenyWrite)) return code;
    if (const unsigned long code = out.Open(copyName, platform::OpenMode::CreateNew)) return code;
    std::vector<char> buffer(bufferSize);
    for (;;) {
        std::size_t got = 0;
        if (const unsigned long code = in.Read(buffer.data(), buffer.size(), got)) return code;
        if (got == 0) return out.Close();
        if (const unsigned long code = out.Write(buffer.data(), got)) return code;
    }
}

bool Fails(const transfer::Failure& failure) {
    if (failure) std::fprintf(stderr, "%s\n", failure->c_str());
    return failure.has_value();
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    std::size_t bufferSize = 0;
    if (argc > 2 && std::string(argv[1]) == "--buffer") {
        bufferSize = std::strtoul(argv[2], nullptr, 10);
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: copy_benchmark [--buffer <bytes>] <folder> <photo>...\n");
        return 2;
    }
    const std::string folder = argv[first];
    int next = 1;
    const auto start = std::chrono::steady_clock::now();
    platform::Disk disk;
    if (bufferSize == 0) {
        transfer::Destination destination(disk, folder, "bench", next);
        for (int i = first + 1; i < argc; ++i) {
            if (Fails(destination.CopyWithNumber(argv[i], "bench"))) return 1;
        }
        if (Fails(destination.Finish())) return 1;
    } else {
        for (int i = first + 1; i < argc; ++i) {
            const std::string copy = folder + "\\bench_" + std::to_string(i);
            if (const unsigned long code = CopyThroughBuffer(bufferSize, argv[i], copy)) {
                Fails(platform::FileError(code, copy).Message());
                return 1;
            }
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", took.count());
    return 0;
}
