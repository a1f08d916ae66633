#pragma once

#include <cstdint>
#include <functional>
#include <memory>

struct AppState;
class Game;

// Takes the timing start: the counter (or the tick count) of the first frame.
void StartTiming(AppState& app);

// One frame's update: measures frameTime and rawFrameTime, then calls the
// current screen's Update.
void UpdateStep(AppState& app);

// The counter when the input being handled arose: its message's stamp, or
// now when the message has none.
int64_t InputCounter(const AppState& app);

// Seconds on the clock since the last update measured its frame: how long
// after the frame the player sees an input message handled now arrived. 0
// while paused (as frameTime) and without a clock.
double SecondsSinceUpdate(const AppState& app);

// One frame's drawing: clear to grey, the screen, the pointer, present.
void RenderStep(AppState& app);

// After the device was lost or the display mode changed: the screen, the
// fonts and the renderer drop their device resources, the device is reset,
// and they rebuild them in the same order.
void DeviceResetSequence(AppState& app);

// Releases fonts, textures, the renderer and the window, in that order.
void ReleaseEverything(AppState& app);

// Runs the main loop with screen as the current screen until the screen asks
// to quit (runState 2) or the window is closed. Deletes the screen before
// anything else is released, and closes the archive last. Returns the exit
// status (0). afterFirstFrame (when set) runs once the first frame is presented.
int RunMainLoop(AppState& app, std::unique_ptr<Game> screen, std::function<void()> afterFirstFrame = nullptr);

// The grey every frame starts from.
constexpr unsigned kClearColour = 0xFF646464u;
