#pragma once

#include "platform/Message.h"

namespace platform {

// What the main loop learns from the device before each frame.
enum class DeviceStatus {
    Ok,          // update and render
    Lost,        // minimised: neither update nor render
    NeedsReset,  // restored: run the device reset sequence once
};

// The main window: its messages, its display mode and the state of its device.
class Window {
public:
    virtual ~Window() = default;

    // Takes the next waiting message without blocking; false when none waits.
    virtual bool PeekMessage(Message& out) = 0;
    // Blocks until a message may be waiting or the time has passed.
    virtual void WaitForMessages(int timeoutMs) = 0;

    virtual DeviceStatus TestCooperativeLevel() = 0;
    // Brings a lost device back; afterwards the status is Ok.
    virtual void ResetDevice() = 0;

    virtual void SetFullscreen(bool fullscreen) = 0;
    virtual void Show() = 0;
};

}  // namespace platform
