// The photo list against a plain model: the input is a program of adds, sorts and clears.
// The model remembers each entry's copy, so the sort is seen to keep equal texts in order
// and to move the list's own copies rather than make new ones.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "photos/photo_list.h"

namespace {

// Enough for two growths; the sort takes time in the square of the entries.
constexpr std::size_t kMostEntries = 2100;

struct Entry {
    std::string text;
    const char* copy;  // the list's own copy, fixed when it was added
};

class Program {
public:
    Program(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return at_ >= size_; }
    std::uint8_t Byte() { return AtEnd() ? 0 : data_[at_++]; }
    // A text up to the next NUL, without it.
    std::string Text() {
        std::string text;
        while (!AtEnd() && data_[at_] != 0) text += static_cast<char>(data_[at_++]);
        ++at_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void CheckSame(const CPhotoList& photos, const std::vector<Entry>& model, int capacity) {
    FUZZ_CHECK(photos.Count() == static_cast<int>(model.size()));
    FUZZ_CHECK(photos.Capacity() == capacity);
    FUZZ_CHECK(photos.Capacity() >= photos.Count());
    for (std::size_t i = 0; i < model.size(); ++i) {
        const char* entry = photos.GetAt(static_cast<int>(i));
        FUZZ_CHECK(entry == model[i].copy);
        FUZZ_CHECK(entry && model[i].text == entry);
    }
    FUZZ_CHECK(photos.GetAt(-1) == nullptr);
    FUZZ_CHECK(photos.GetAt(photos.Count()) == nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CPhotoList photos;
    std::vector<Entry> model;
    int capacity = 1500;
    Program program(data, size);
    while (!program.AtEnd()) {
        const std::uint8_t operation = program.Byte();
        switch (operation % 4) {
            case 0:
            case 1: {
                // Adds the text once, or many times over to make the list grow.
                const int times = operation % 4 == 0 ? 1 : 1 + 25 * (operation >> 2);
                const std::string text = program.Text();
                for (int i = 0; i < times && model.size() < kMostEntries; ++i) {
                    photos.Add(text.c_str());
                    model.push_back({text, photos.GetAt(photos.Count() - 1)});
                    if (static_cast<int>(model.size()) > capacity) capacity += 500;
                }
                break;
            }
            case 2:
                photos.Sort();
                std::stable_sort(model.begin(), model.end(),
                                 [](const Entry& a, const Entry& b) { return a.text < b.text; });
                CheckSame(photos, model, capacity);
                break;
            case 3:
                photos.Clear();
                model.clear();
                break;
        }
        FUZZ_CHECK(photos.Count() == static_cast<int>(model.size()));
    }
    CheckSame(photos, model, capacity);
    return 0;
}
