#pragma once

#include <cstdint>

namespace platform {

// One input message of the window, in the shape the window procedure expects.
// Coordinates are logical screen pixels (0..1023, 0..767); keys are Windows
// virtual-key codes.
enum class MessageKind {
    MouseMove,
    LeftButtonDown,
    LeftButtonUp,
    LeftDoubleClick,
    RightButtonDown,
    RightButtonUp,
    MouseWheel,
    KeyDown,
    KeyUp,
    FocusLost,  // the window lost the keyboard focus (after the held modifiers' releases)
    Quit,
};

// Key-state flags carried by wheel messages (as in a wheel message's low word).
constexpr uint16_t MK_LBUTTON = 0x0001;
constexpr uint16_t MK_RBUTTON = 0x0002;
constexpr uint16_t MK_SHIFT = 0x0004;
constexpr uint16_t MK_CONTROL = 0x0008;

struct Message {
    MessageKind kind = MessageKind::MouseMove;
    int x = 0;
    int y = 0;
    int key = 0;           // virtual-key code (KeyDown, KeyUp)
    bool repeat = false;   // KeyDown sent by the keyboard's auto-repeat
    bool ctrlDown = false; // a Ctrl key was held when the message arose
    int wheelDelta = 0;    // 120 per notch, positive away from the user
    uint16_t keyFlags = 0; // MK_ flags (MouseWheel)
    // The high-resolution counter when the input arose (0: not known), so
    // that a message handled a frame later still tells when it happened.
    int64_t counter = 0;
};

}  // namespace platform
