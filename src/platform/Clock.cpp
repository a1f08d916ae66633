#include "platform/Clock.h"

#include <SDL.h>

namespace platform {

int64_t SystemClock::Frequency() { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }

int64_t SystemClock::Counter() { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }

uint32_t SystemClock::TickCount() { return SDL_GetTicks(); }

void SystemClock::Sleep(double seconds) { SleepMilliseconds(static_cast<int>(seconds * 1000.0 + 0.5)); }

double Clock::Seconds() {
    const int64_t frequency = Frequency();
    return frequency > 0 ? static_cast<double>(Counter()) / static_cast<double>(frequency)
                         : static_cast<double>(TickCount()) / 1000.0;
}

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
