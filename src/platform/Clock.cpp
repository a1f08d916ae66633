#include "platform/Clock.h"

#include <SDL.h>

namespace platform {

int64_t SystemClock::Frequency() { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }

int64_t SystemClock::Counter() { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }

uint32_t SystemClock::TickCount() { return SDL_GetTicks(); }

double SecondsNow() {
    return static_cast<double>(SDL_GetPerformanceCounter()) /
           static_cast<double>(SDL_GetPerformanceFrequency());
}

void SleepMilliseconds(int milliseconds) {
    if (milliseconds > 0) {
        SDL_Delay(static_cast<Uint32>(milliseconds));
    }
}

}  // namespace platform
