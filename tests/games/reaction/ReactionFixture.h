#pragma once

#include <functional>
#include <memory>
#include <tuple>

#include "app/MainLoop.h"
#include "app/WindowProc.h"
#include "games/reaction/KG_Reaktion.h"
#include "games/reaction/KG_ReaktionII.h"
#include "platform/Clock.h"
#include "support/FakeWindow.h"
#include "support/GameFixture.h"

// The reaction games with digits from a script (step 0 is the first digit)
// instead of the random draws.
struct ScriptedReaktion : KG_Reaktion {
    using Script = std::function<std::pair<int, int>(int step)>;  // (target, shown)
    explicit ScriptedReaktion(Script s) : KG_Reaktion(0), script(std::move(s)) { ShowNextDigit(); }
    void ShowNextDigit() override { std::tie(targetDigit, shownDigit) = script(step++); }
    Script script;
    int step = 0;
};

struct ScriptedReaktionII : KG_ReaktionII {
    using Script = std::function<int(int step)>;
    explicit ScriptedReaktionII(Script s) : KG_ReaktionII(0), script(std::move(s)) { shownDigit = DrawNextDigit(); }
    int DrawNextDigit() override { return script(step++); }
    Script script;
    int step = 0;
};

// A reaction game run as the main loop runs it: frames measured by the loop's
// update step on a manual clock, input through the window procedure between
// frames, so that a press is timed when it arrives.
class ReactionFixture : public GameFixture {
public:
    static constexpr double kFrame = 0.01;
    ReactionFixture() : GameFixture("ANZ_TEXTE: 80 <TEXT_START> 50 grade %.3f|") {}
    void SetUp() override {
        GameFixture::SetUp();
        auto manual = std::make_unique<platform::ManualClock>();
        clock = manual.get();
        app->clock = std::move(manual);
        StartTiming(*app);
    }
    void TearDown() override { app->currentScreen = nullptr; GameFixture::TearDown(); }
    void Start(DigitReactionGame& game) { app->currentScreen = &game; game.StartGame(); }
    void Frame(double seconds = kFrame) { clock->Advance(seconds); UpdateStep(*app); }
    // Frames until the digit shown now has been hidden and the next one appears.
    void NextDigit(const DigitReactionGame& game) {
        for (const bool blank : {false, true}) {
            while (game.InBlank() == blank && game.GetState() == Knobel_Game::STATE_RUNNING) Frame();
        }
    }
    void Click() { WindowProc(*app, MouseMessage(platform::MessageKind::LeftButtonDown, 500, 400)); }
    void Key(int key, bool repeat = false) {
        WindowProc(*app, KeyMessage(platform::MessageKind::KeyDown, key, false, repeat));
        WindowProc(*app, KeyMessage(platform::MessageKind::KeyUp, key));
    }
    platform::ManualClock* clock = nullptr;
};
