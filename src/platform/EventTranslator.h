#pragma once

#include <cstdint>
#include <deque>

#include "platform/Message.h"
#include "platform/Window.h"

union SDL_Event;

namespace platform {

// Turns SDL events into window messages and tracks what the messages do not
// carry: the device status, held modifier keys, held mouse buttons.
class EventTranslator {
public:
    EventTranslator(int logicalWidth, int logicalHeight)
        : width_(logicalWidth), height_(logicalHeight) {}

    // Appends the messages that one SDL event stands for (none, one or more).
    void Translate(const SDL_Event& event, std::deque<Message>& out);

    DeviceStatus Status() const { return status_; }
    void DeviceWasReset() { status_ = DeviceStatus::Ok; }

    // The high-resolution counter of an input SDL stamped with its ticks
    // (milliseconds); now for a stamp that is missing or not plausible.
    static int64_t InputCounter(uint32_t timestampMs);

private:
    // An event older than this has a stamp that cannot be right.
    static constexpr uint32_t kLongestInputAgeMs = 10000;

    void TranslateKinds(const SDL_Event& event, std::deque<Message>& out);
    int ClampX(int x) const;
    int ClampY(int y) const;
    uint16_t KeyFlags() const;
    void TranslateWindowEvent(const SDL_Event& event, std::deque<Message>& out);

    int width_;
    int height_;
    DeviceStatus status_ = DeviceStatus::Ok;
    bool shiftHeld_ = false;
    bool ctrlHeld_ = false;
    bool leftHeld_ = false;
    bool rightHeld_ = false;
};

}  // namespace platform
