#pragma once

#include <cstdint>

namespace platform {

// The program's time source: a high-resolution counter with its frequency and a
// millisecond tick count. Tests replace it with ManualClock to set each
// frame's time exactly.
class Clock {
public:
    virtual ~Clock() = default;
    // Counter ticks per second, or 0 when there is no high-resolution counter.
    virtual int64_t Frequency() = 0;
    virtual int64_t Counter() = 0;
    // Milliseconds since some fixed start.
    virtual uint32_t TickCount() = 0;
    // Lets the given time pass.
    virtual void Sleep(double seconds) = 0;
    // Seconds since some fixed start, from the counter when there is one.
    double Seconds();
};

// The system's performance counter.
class SystemClock : public Clock {
public:
    int64_t Frequency() override;
    int64_t Counter() override;
    uint32_t TickCount() override;
    void Sleep(double seconds) override;
};

// A clock that only moves when told to. Counts microseconds; can pose as a
// machine without a high-resolution counter (then only TickCount is of use).
class ManualClock : public Clock {
public:
    explicit ManualClock(bool hasCounter = true) : hasCounter_(hasCounter) {}

    void Advance(double seconds) { micros_ += static_cast<int64_t>(seconds * 1e6 + 0.5); }

    int64_t Frequency() override { return hasCounter_ ? 1000000 : 0; }
    int64_t Counter() override { return micros_; }
    uint32_t TickCount() override { return static_cast<uint32_t>(micros_ / 1000); }
    // Sleeping on this clock moves it on at once.
    void Sleep(double seconds) override { Advance(seconds); }

private:
    bool hasCounter_;
    int64_t micros_ = 0;
};

// Seconds elapsed on the system clock, for pacing and benchmarks.
double SecondsNow();

// Lets the process sleep.
void SleepMilliseconds(int milliseconds);

}  // namespace platform
