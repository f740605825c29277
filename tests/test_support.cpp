#include "test_support.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

std::string WithBackslashes(const fs::path& path) {
    std::string text = path.string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        native_ = fs::temp_directory_path() /
                  ("brenvale-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (fs::create_directory(native_)) {
            path_ = WithBackslashes(native_);
            return;
        }
    }
    throw std::runtime_error("cannot make a scratch folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(native_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(native_, ignored);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Native(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + name);
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(Native(name), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TempDir::Exists(const std::string& name) const {
    return fs::exists(Native(name));
}

std::set<std::string> TempDir::FileNames() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(native_)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

}  // namespace testing_support
