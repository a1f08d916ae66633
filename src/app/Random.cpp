#include "app/Random.h"

#include <ctime>

#include "platform/Clock.h"

namespace {

uint32_t state = 1;

}  // namespace

void SeedRandom(uint32_t seed) { state = seed; }

int Random() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

uint32_t TimeSeed() {
    platform::SystemClock clock;
    const auto counter = static_cast<uint64_t>(clock.Counter());
    const auto now = static_cast<uint64_t>(std::time(nullptr));
    const uint64_t mixed = now * 0x9E3779B97F4A7C15ull ^ counter ^ (counter >> 29);
    return static_cast<uint32_t>(mixed ^ (mixed >> 32));
}
