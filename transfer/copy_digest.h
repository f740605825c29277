// What a copy is checked against: the number of bytes read of its photo and a 128-bit
// digest of them (XXH3), kept while the photo is read once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace transfer {

struct Digest {
    std::uint64_t length = 0;
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    bool operator==(const Digest& other) const {
        return length == other.length && low == other.low && high == other.high;
    }
    bool operator!=(const Digest& other) const { return !(*this == other); }
};

// The digest of bytes given in pieces, in order.
class DigestOfBytes {
public:
    DigestOfBytes();
    ~DigestOfBytes();
    DigestOfBytes(const DigestOfBytes&) = delete;
    DigestOfBytes& operator=(const DigestOfBytes&) = delete;

    void Add(const void* bytes, std::size_t count);
    Digest Value() const;

private:
    struct State;
    std::unique_ptr<State> state_;
    std::uint64_t length_ = 0;
};

}  // namespace transfer
