// The digest through xxHash's XXH3, compiled into this file alone.
#include "transfer/copy_digest.h"

#include <new>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace transfer {

struct DigestOfBytes::State {
    XXH3_state_t* xxh;
};

DigestOfBytes::DigestOfBytes() : state_(new State{XXH3_createState()}) {
    if (!state_->xxh) throw std::bad_alloc();
    XXH3_128bits_reset(state_->xxh);
}

DigestOfBytes::~DigestOfBytes() {
    XXH3_freeState(state_->xxh);
}

void DigestOfBytes::Add(const void* bytes, std::size_t count) {
    XXH3_128bits_update(state_->xxh, bytes, count);
    length_ += count;
}

Digest DigestOfBytes::Value() const {
    const XXH128_hash_t hash = XXH3_128bits_digest(state_->xxh);
    return Digest{length_, hash.low64, hash.high64};
}

}  // namespace transfer
