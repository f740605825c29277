// What the fuzz targets share: a scratch folder in memory for the files they write, and
// a check that ends the run with a message when an invariant breaks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz_support {

// A folder of this process's own, in a RAM file system where there is one (/dev/shm),
// made on first use and removed with everything in it when the process exits normally.
class ScratchFolder {
public:
    static const ScratchFolder& Get();

    // The folder as Brenvale's code takes paths: backslash-separated, no final backslash.
    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }
    std::string NativeOf(const std::string& name) const { return native_ + "/" + name; }

    void Write(const std::string& name, const std::string& bytes) const;
    // The whole file; false when it cannot be read.
    bool Read(const std::string& name, std::string& bytes) const;
    // The names of the files in the folder, sorted.
    std::string Listing() const;
    // Removes every file in the folder.
    void Empty() const;

private:
    ScratchFolder();
    ~ScratchFolder();
    std::string native_;
    std::string path_;
};

}  // namespace fuzz_support

// Ends the run, so libFuzzer keeps the input, when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                   \
    do {                                                                        \
        if (!(condition)) ::fuzz_support::Fail(__FILE__, __LINE__, #condition); \
    } while (false)

namespace fuzz_support {
[[noreturn]] void Fail(const char* file, int line, const char* condition);
}  // namespace fuzz_support
