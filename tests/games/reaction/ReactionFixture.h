#pragma once

#include <memory>

#include "app/MainLoop.h"
#include "app/WindowProc.h"
#include "games/reaction/DigitReactionGame.h"
#include "platform/Clock.h"
#include "support/FakeWindow.h"
#include "support/GameFixture.h"

// A reaction game run as the main loop runs it: a manual clock, frames measured
// by the loop's update step, and input through the window procedure between
// frames, so that a press is timed by the clock when it arrives.
class ReactionFixture : public GameFixture {
public:
    static constexpr double kFrame = 0.01;

    ReactionFixture()
        : GameFixture("ANZ_TEXTE: 80 <TEXT_START> 30 hits %d|<TEXT_START> 31 false %d|"
                      "<TEXT_START> 35 missed %d|<TEXT_START> 37 time %d:%02d|"
                      "<TEXT_START> 39 reaction %.3f|<TEXT_START> 50 grade %.3f|") {}

    void SetUp() override {
        GameFixture::SetUp();
        auto manual = std::make_unique<platform::ManualClock>();
        clock = manual.get();
        app->clock = std::move(manual);
        StartTiming(*app);
    }

    void TearDown() override {
        app->currentScreen = nullptr;
        GameFixture::TearDown();
    }

    // Starts the game as the countdown's end does and makes it the screen.
    void Start(DigitReactionGame& game) {
        app->currentScreen = &game;
        game.StartGame();
    }

    void Frame(double seconds = kFrame) {
        clock->Advance(seconds);
        UpdateStep(*app);
    }

    // Frames until the digit shown now has been hidden and the next one appears.
    void NextDigit(const DigitReactionGame& game) {
        while (!game.InBlank() && game.GetState() == Knobel_Game::STATE_RUNNING) {
            Frame();
        }
        while (game.InBlank() && game.GetState() == Knobel_Game::STATE_RUNNING) {
            Frame();
        }
    }

    void Click() { WindowProc(*app, MouseMessage(platform::MessageKind::LeftButtonDown, 500, 400)); }
    void Key(int key, bool repeat = false) {
        WindowProc(*app, KeyMessage(platform::MessageKind::KeyDown, key, false, repeat));
        WindowProc(*app, KeyMessage(platform::MessageKind::KeyUp, key));
    }

    platform::ManualClock* clock = nullptr;
};
