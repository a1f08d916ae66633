#include "app/WindowProc.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"
#include "platform/KeyMap.h"

namespace {

using platform::MessageKind;
namespace vk = platform::vk;

using WindowProcTest = ShellFixture;

TEST_F(WindowProcTest, MouseMessagesReachTheScreenAndOnlyMovesSetThePosition) {
    WindowProc(*app, MouseMessage(MessageKind::MouseMove, 300, 200));
    WindowProc(*app, MouseMessage(MessageKind::LeftButtonDown, 310, 210));
    WindowProc(*app, MouseMessage(MessageKind::LeftDoubleClick, 312, 212));
    WindowProc(*app, MouseMessage(MessageKind::RightButtonUp, 314, 214));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.MouseMove 300,200", "screen.LeftButtonDown 310,210",
                                                   "screen.LeftDoubleClick 312,212", "screen.RightButtonUp 314,214"}));
    // A press reports its own position to the screen; routing keeps the last move's.
    EXPECT_EQ(app->mouseX, 300);
    EXPECT_EQ(app->mouseY, 200);
}

TEST_F(WindowProcTest, WheelCarriesTheDeltaInTheHighWordAndKeyFlagsInTheLowWord) {
    platform::Message up{MessageKind::MouseWheel};
    up.wheelDelta = 120;
    up.keyFlags = platform::MK_SHIFT;
    platform::Message down{MessageKind::MouseWheel};
    down.wheelDelta = -240;
    WindowProc(*app, up);
    WindowProc(*app, down);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.Wheel " + std::to_string((120u << 16) | 4u),
                                                   "screen.Wheel " + std::to_string(0xFF10u << 16)}));
}

TEST_F(WindowProcTest, CtrlEnterSwitchesTheModeRunsTheResetAndHidesTheWholeChord) {
    app->fullscreen = true;
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Control));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Return, true));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Return, true, true));  // auto-repeat
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Return, true));
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Control));
    EXPECT_FALSE(app->fullscreen);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.KeyDown 17", "window.Windowed", "screen.Lost",
                                                   "renderer.Lost", "window.ResetDevice", "screen.Reset",
                                                   "renderer.Reset"}));
    // The next plain Enter is the screen's again, and a second switch goes back.
    log.Clear();
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Return));
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Return));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Control));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Return));  // Ctrl known from its own press
    EXPECT_TRUE(app->fullscreen);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.KeyDown 13", "screen.KeyUp 13", "screen.KeyDown 17",
                                                   "window.Fullscreen", "screen.Lost", "renderer.Lost",
                                                   "window.ResetDevice", "screen.Reset", "renderer.Reset"}));
}

TEST_F(WindowProcTest, LosingTheFocusInTheMiddleOfTheChordSwallowsNoLaterRelease) {
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Control));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Return, true));
    // Both keys are let go in another window: only the translator's Ctrl release arrives.
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Control));
    WindowProc(*app, platform::Message{MessageKind::FocusLost});
    log.Clear();
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Return));
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Return));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Control));
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Control));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.KeyDown 13", "screen.KeyUp 13", "screen.KeyDown 17",
                                                   "screen.KeyUp 17"}));
}

TEST_F(WindowProcTest, OnlyTheFirstEscapeReleaseAfterADisarmIsSwallowed) {
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Escape));  // armed from the start
    app->escapeArmed = false;                                      // the intro ended with Escape
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Escape));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Escape));
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, vk::Escape));
    EXPECT_EQ(log.calls,
              (std::vector<std::string>{"screen.KeyUp 27", "screen.KeyDown 27", "screen.KeyUp 27"}));
    EXPECT_TRUE(app->escapeArmed);
}

TEST_F(WindowProcTest, WithoutAScreenMessagesOnlyUpdateTheShell) {
    app->currentScreen = nullptr;
    WindowProc(*app, MouseMessage(MessageKind::MouseMove, 5, 6));
    WindowProc(*app, MouseMessage(MessageKind::LeftButtonUp, 5, 6));
    WindowProc(*app, KeyMessage(MessageKind::KeyDown, vk::Control));
    WindowProc(*app, KeyMessage(MessageKind::KeyUp, 'A'));
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(app->mouseX, 5);
    EXPECT_TRUE(app->ctrlHeld);
}

}  // namespace
