#pragma once

#include <cstdint>
#include <cstring>

namespace platform {

// A 64-bit hash built a value at a time: each value is folded in and the
// result multiplied by a large odd prime, so that order matters.
inline uint64_t MixIn(uint64_t hash, uint64_t value) { return (hash ^ value) * 0x100000001B3ull; }

// A number's bits, to hash or compare it exactly.
template <typename Number>
uint64_t BitsOf(Number value) {
    static_assert(sizeof(Number) <= sizeof(uint64_t));
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

}  // namespace platform
