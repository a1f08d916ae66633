#include "app/MainLoop.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"

namespace {

using platform::MessageKind;

class MainLoopTest : public ShellFixture {
protected:
    // Hands the recording screen to the main loop and runs it.
    int Run() {
        StartTiming(*app);
        return RunMainLoop(*app, std::move(screen));
    }
};

TEST_F(MainLoopTest, FrameTimesFollowTheClockAndPauseStopsOnlyFrameTime) {
    std::vector<double> frameTimes;
    std::vector<double> rawTimes;
    RecordingScreen* s = screen.get();
    s->onUpdate = [&] {
        frameTimes.push_back(app->frameTime);
        rawTimes.push_back(app->rawFrameTime);
        if (s->updates == 2) {
            app->paused = true;
        }
        if (s->updates == 3) {
            app->paused = false;
        }
        if (s->updates == 4) {
            app->runState = 2;
        }
        clock->Advance(0.02 * s->updates);
    };
    clock->Advance(0.5);
    StartTiming(*app);
    clock->Advance(0.01);
    EXPECT_EQ(RunMainLoop(*app, std::move(screen)), 0);
    ASSERT_EQ(frameTimes.size(), 4u);
    EXPECT_NEAR(frameTimes[0], 0.01, 1e-9);
    EXPECT_NEAR(frameTimes[1], 0.02, 1e-9);
    EXPECT_EQ(frameTimes[2], 0.0);  // paused
    EXPECT_NEAR(rawTimes[2], 0.04, 1e-9);
    EXPECT_NEAR(frameTimes[3], 0.06, 1e-9);
    EXPECT_NEAR(rawTimes[3], 0.06, 1e-9);
}

TEST_F(MainLoopTest, EachFrameRendersInOrderAndMessagesComeFirst) {
    window->Push(MouseMessage(MessageKind::MouseMove, 40, 50));
    window->Push(KeyMessage(MessageKind::KeyDown, 'A'));
    screen->onUpdate = [&] { app->runState = 2; };
    app->drawCursor = [&] { log.Add("cursor"); };
    Run();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.MouseMove 40,50", "screen.KeyDown 65",
                                                   "screen.Update", "renderer.Clear ff646464", "screen.Render", "cursor",
                                                   "renderer.Present", "screen.Destroyed",
                                                   "renderer.Destroyed"}));
}

TEST_F(MainLoopTest, ALostDeviceIsWaitedOutThenResetOnceBeforeRenderingAgain) {
    RecordingScreen* s = screen.get();
    s->onUpdate = [&] {
        if (s->updates == 1) {
            window->status = platform::DeviceStatus::Lost;
        } else {
            app->runState = 2;
        }
    };
    int waits = 0;
    window->onWait = [&] {
        if (++waits == 3) {
            window->status = platform::DeviceStatus::NeedsReset;
        }
    };
    Run();  // the window is gone afterwards: count through the log and the callback
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(log.calls,
              (std::vector<std::string>{"screen.Update", "renderer.Clear ff646464", "screen.Render", "renderer.Present",
                                        "screen.Lost", "renderer.Lost", "window.ResetDevice", "screen.Reset",
                                        "renderer.Reset", "screen.Update", "renderer.Clear ff646464", "screen.Render",
                                        "renderer.Present", "screen.Destroyed", "renderer.Destroyed"}));
}

TEST_F(MainLoopTest, AQuitMessageEndsTheLoopAndDeletesTheScreenBeforeTheRenderer) {
    window->Push(KeyMessage(MessageKind::KeyDown, 'B'));
    window->Push(platform::Message{MessageKind::Quit});
    window->Push(KeyMessage(MessageKind::KeyDown, 'C'));
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.KeyDown 66", "screen.Destroyed", "renderer.Destroyed"}));
    EXPECT_EQ(app->currentScreen, nullptr);
    EXPECT_EQ(app->renderer, nullptr);
    EXPECT_EQ(app->window, nullptr);
}

TEST_F(MainLoopTest, RunState2EndsTheLoopBeforeTheNextMessage) {
    window->Push(KeyMessage(MessageKind::KeyDown, 'D'));
    app->runState = 2;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"screen.Destroyed", "renderer.Destroyed"}));
}

}  // namespace
