#include "fuzz_support.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace fuzz_support {

namespace {

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

void Fail(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

const ScratchFolder& ScratchFolder::Get() {
    static const ScratchFolder folder;
    return folder;
}

ScratchFolder::ScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (tmp ? tmp : "/tmp");
    std::string pattern = base + "/brenvale-fuzz.XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make " + pattern);
    native_ = pattern;
    path_ = native_;
    std::replace(path_.begin(), path_.end(), '/', '\\');
}

ScratchFolder::~ScratchFolder() {
    Empty();
    ::rmdir(native_.c_str());
}

void ScratchFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(NativeOf(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + NativeOf(name));
}

bool ScratchFolder::Read(const std::string& name, std::string& bytes) const {
    std::ifstream in(NativeOf(name), std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::string ScratchFolder::Listing() const {
    std::string listing;
    for (const std::string& name : FileNames(native_)) listing += name + "\n";
    return listing;
}

void ScratchFolder::Empty() const {
    for (const std::string& name : FileNames(native_)) ::unlink(NativeOf(name).c_str());
}

}  // namespace fuzz_support
