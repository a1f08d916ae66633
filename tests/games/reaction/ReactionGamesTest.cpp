#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ReactionFixture.h"
#include "app/Random.h"
#include "platform/KeyMap.h"

namespace {

// What the player does while a digit is on the screen (0.2 s after it appeared).
enum Act { NONE, PRESS, PRESS_TWICE, PRESS_IN_BLANK };

using MakeGame = std::function<std::unique_ptr<DigitReactionGame>()>;

// Script steps past the end repeat the last entry.
MakeGame Reaktion(std::vector<std::pair<int, int>> pairs) {
    return [pairs] {
        return std::make_unique<ScriptedReaktion>([pairs](int s) { return pairs[std::min<size_t>(s, pairs.size() - 1)]; });
    };
}

MakeGame ReaktionII(std::vector<int> digits) {
    return [digits] {
        return std::make_unique<ScriptedReaktionII>([digits](int s) { return digits[std::min<size_t>(s, digits.size() - 1)]; });
    };
}

using ReactionGamesTest = ReactionFixture;

TEST_F(ReactionGamesTest, HitsFalseAlarmsAndMissesFollowTheTargetOfEachGame) {
    // acts: one per digit; each digit is followed by the next
    struct Case { const char* name; MakeGame make; std::vector<Act> acts; int hits, falseAlarms, misses; };
    const Case cases[] = {
        {"the target shown", Reaktion({{3, 3}, {3, 4}}), {PRESS}, 1, 0, 0},
        {"a neighbour shown", Reaktion({{3, 4}, {3, 3}}), {PRESS}, 0, 1, 0},
        {"the target passes", Reaktion({{3, 3}, {3, 4}}), {NONE}, 0, 0, 1},
        {"a press in the blank after the target", Reaktion({{3, 3}, {3, 4}}), {PRESS_IN_BLANK}, 1, 0, 0},
        {"a press in the blank after a neighbour", Reaktion({{3, 4}, {3, 3}}), {PRESS_IN_BLANK}, 0, 1, 0},
        {"only the first press counts", Reaktion({{3, 2}, {3, 3}, {3, 4}}), {PRESS_TWICE, PRESS_TWICE}, 1, 1, 0},
        {"the target changed", Reaktion({{3, 3}, {5, 3}, {5, 4}}), {NONE, PRESS}, 0, 1, 1},
        {"4 5 4: the third is two back", ReaktionII({4, 5, 4, 7}), {NONE, NONE, PRESS}, 1, 0, 0},
        {"4 5 6: the third is not", ReaktionII({4, 5, 6, 7}), {NONE, NONE, PRESS}, 0, 1, 0},
        {"4 5 4 passes", ReaktionII({4, 5, 4, 7}), {NONE, NONE, NONE}, 0, 0, 1},
        {"the first two digits have nothing two back", ReaktionII({4, 5, 6}), {PRESS, PRESS}, 0, 2, 0},
        {"4 5 4 5 4", ReaktionII({4, 5, 4, 5, 4, 1}), {NONE, NONE, PRESS, PRESS_TWICE, NONE}, 2, 0, 1},
        {"a press in the blank after two back", ReaktionII({4, 5, 4, 7}), {NONE, NONE, PRESS_IN_BLANK}, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto game = c.make();
        Start(*game);
        for (const Act act : c.acts) {
            clock->Advance(0.2);
            while (act == PRESS_IN_BLANK && !game->InBlank()) Frame();
            if (act != NONE) Click();
            if (act == PRESS_TWICE) Key('A');
            NextDigit(*game);
        }
        EXPECT_EQ(game->Hits(), c.hits);
        EXPECT_EQ(game->FalseAlarms(), c.falseAlarms);
        EXPECT_EQ(game->Misses(), c.misses);
    }
}

TEST_F(ReactionGamesTest, OnlyFreshPressesReactAndTheyAreTimedWhenTheyArrive) {
    ScriptedReaktion game([](int step) { return std::pair{step % 2, step % 2}; });
    Start(game);
    Frame(0.05);
    Frame(0.05);
    clock->Advance(0.013);  // between two frames
    for (const int key : {platform::vk::Escape, platform::vk::Control, static_cast<int>('H')}) Key(key);
    Key('A', true);
    EXPECT_EQ(game.Hits() + game.FalseAlarms(), 0);
    Key('A');
    NextDigit(game);
    clock->Advance(0.2);
    Click();
    EXPECT_EQ(game.Hits(), 2);
    // Without frames drawn, a digit's time runs from the update that brought it.
    EXPECT_NEAR(game.AverageReactionTime(), (0.113 + 0.2) / 2, 1e-9);
}

// A press is timed from when the first frame with the digit was presented to
// when the press arose, however late its message is handled.
TEST_F(ReactionGamesTest, AReactionRunsFromThePresentedFrameToThePressesStamp) {
    ScriptedReaktion game([](int step) { return std::pair{step % 2, step % 2}; });
    Start(game);
    // Drawing and presenting a frame take 8 ms after its update.
    const auto frame = [&] {
        clock->Advance(0.01);
        UpdateStep(*app);
        clock->Advance(0.008);
        RenderStep(*app);
    };
    const auto pressLate = [&](double afterPresent) {
        const int64_t presented = app->presentedCounter;
        clock->Advance(0.05);  // the message waits for the loop
        platform::Message press = MouseMessage(platform::MessageKind::LeftButtonDown, 500, 400);
        press.counter = presented + static_cast<int64_t>(afterPresent * 1e6);
        WindowProc(*app, press);
    };
    frame();
    pressLate(0.15);
    // Until the frame just presented shows the next digit.
    const int first = game.ShownDigit();
    for (int i = 0; i < 200 && game.ShownDigit() == first; ++i) frame();
    pressLate(0.25);
    EXPECT_EQ(game.Hits(), 2);
    EXPECT_NEAR(game.AverageReactionTime(), 0.2, 1e-9);
}

TEST_F(ReactionGamesTest, TheGradeWeighsErrorsReactionTimeAndAFullPlay) {
    // Two back: one target (the third digit), then 1 2 3 1 2 3 ..., never two back.
    const MakeGame oneTarget = [] {
        return std::make_unique<ScriptedReaktionII>([](int s) { return s < 3 ? 4 + s % 2 : 1 + s % 3; });
    };
    constexpr double kFullPlay = -1.0;
    // acts: a press comes 0.3 s after its digit appeared (or at the start of
    // its blank); later: on every further digit; endAt: the time left when
    // the player ends the play (kFullPlay: never).
    struct Case { const char* name; MakeGame make; std::vector<Act> acts; Act later; double endAt; double grade; };
    const Case cases[] = {
        // 1 + 0.3 - 45 / 120 lies below the scale.
        {"only hits in a full play", Reaktion({{3, 3}}), {}, PRESS, kFullPlay, 1.0},
        {"every target hit in its blank", Reaktion({{3, 3}}), {}, PRESS_IN_BLANK, kFullPlay, 1.0 + 0.505 - 0.375},
        {"a hit and a false alarm in a full play", Reaktion({{3, 3}, {3, 4}}), {PRESS, PRESS}, NONE, kFullPlay, 5.925},
        {"two back: a hit and a false alarm in a full play", oneTarget, {NONE, PRESS, PRESS}, NONE, kFullPlay, 3.425},
        {"two back ended early: errors weigh double", oneTarget, {NONE, PRESS, PRESS}, NONE, 42.0, 6.0},
        // 1 / 3 x 10 + 1 + 0.3 = 4.63 alone, but about 20 targets are still to come.
        {"ended early after two hits and a false alarm", Reaktion({{3, 3}, {3, 3}, {3, 4}}), {PRESS, PRESS, PRESS},
         NONE, 42.0, 6.0},
        // Finishing would grade about 1.0; ending grades 1 + 0.3.
        {"only hits, ended a second before the end", Reaktion({{3, 3}}), {}, PRESS, 1.0, 1.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto game = c.make();
        Start(*game);
        for (size_t digit = 0; game->GetState() == Knobel_Game::STATE_RUNNING; ++digit) {
            if (game->TimeLeft() <= c.endAt) {
                game->SetState(Knobel_Game::STATE_ABORTED);
                break;
            }
            const Act act = digit < c.acts.size() ? c.acts[digit] : c.later;
            if (act == PRESS) {
                clock->Advance(0.3);
                Click();
            }
            if (act == PRESS_IN_BLANK) {
                while (!game->InBlank() && game->GetState() == Knobel_Game::STATE_RUNNING) Frame();
                Click();
            }
            NextDigit(*game);
        }
        game->ComputeGrade();
        EXPECT_NEAR(game->GetGrade(), c.grade, 1e-2);  // a full play may end up to a frame early
    }
}

TEST_F(ReactionGamesTest, TheShareOfTargetsIsWhatTheRealDigitsShow) {
    // With no press every target passes as a miss.
    const std::function<std::unique_ptr<DigitReactionGame>(int level)> games[] = {
        [](int level) { return std::make_unique<KG_Reaktion>(level); },
        [](int level) { return std::make_unique<KG_ReaktionII>(level); },
    };
    for (const auto& make : games) {
        int digits = 0;
        int targets = 0;
        double share = 0.0;
        for (int play = 0; play < 12; ++play) {
            SeedRandom(100u + static_cast<unsigned>(play));
            auto game = make(play % 3);
            share = game->TargetShare();
            Start(*game);
            while (game->GetState() == Knobel_Game::STATE_RUNNING) {
                NextDigit(*game);
                ++digits;
            }
            targets += game->Misses();
            EXPECT_EQ(game->Hits() + game->FalseAlarms(), 0);
        }
        EXPECT_NEAR(static_cast<double>(targets) / digits, share, 0.04) << targets << " of " << digits;
    }
}

// The digits the games draw themselves: in the first game the red digit is
// the green target or a neighbour, and a target holds for 5 digits or more; in
// the second each digit lies within 2 of the one before. Never twice the same.
TEST_F(ReactionGamesTest, TheRealDigitsFollowEachGamesRule) {
    SeedRandom(77);
    KG_Reaktion first(2);
    Start(first);
    int sinceChange = 0;
    bool firstTarget = true;  // it holds for 3 digits only
    for (int digit = 0; digit < 300 && first.GetState() == Knobel_Game::STATE_RUNNING; ++digit) {
        const int shown = first.ShownDigit();
        const int target = first.TargetDigit();
        // The first digit is drawn at random like the first target.
        EXPECT_TRUE(digit == 0 || std::abs(shown - target) <= 1) << "digit " << digit;
        NextDigit(first);
        if (first.GetState() != Knobel_Game::STATE_RUNNING) break;
        EXPECT_NE(first.ShownDigit(), shown);
        ++sinceChange;
        if (first.TargetDigit() != target) {
            EXPECT_TRUE(firstTarget || sinceChange >= 5) << sinceChange << " digits";
            firstTarget = false;
            sinceChange = 0;
        }
    }
    KG_ReaktionII second(2);
    Start(second);
    for (int digit = 0; digit < 300 && second.GetState() == Knobel_Game::STATE_RUNNING; ++digit) {
        NextDigit(second);
        if (second.GetState() != Knobel_Game::STATE_RUNNING) break;
        const int step = std::abs(second.ShownDigit() - second.PreviousDigit());
        EXPECT_TRUE(step >= 1 && step <= 2) << "digit " << digit;
    }
}

}  // namespace
