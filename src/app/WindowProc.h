#pragma once

#include "platform/Message.h"

struct AppState;

// The window procedure: turns one window message into a call on the current
// screen (none while there is no screen) and applies the keyboard rules:
// Ctrl+Enter switches between full screen and window and neither its press
// nor its Enter release reaches the screen; the first Escape release after an
// intro ended with Escape is swallowed. Quit messages are the main loop's.
void WindowProc(AppState& app, const platform::Message& message);

// Switches the display mode and runs the device reset sequence.
void ToggleFullscreen(AppState& app);
