#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ReactionFixture.h"
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
        {"a press in the blank after the target", Reaktion({{3, 3}, {3, 4}}), {PRESS_IN_BLANK}, 0, 0, 0},
        {"only the first press counts", Reaktion({{3, 2}, {3, 3}, {3, 4}}), {PRESS_TWICE, PRESS_TWICE}, 1, 1, 0},
        {"the target changed", Reaktion({{3, 3}, {5, 3}, {5, 4}}), {NONE, PRESS}, 0, 1, 1},
        {"4 5 4: the third is two back", ReaktionII({4, 5, 4, 7}), {NONE, NONE, PRESS}, 1, 0, 0},
        {"4 5 6: the third is not", ReaktionII({4, 5, 6, 7}), {NONE, NONE, PRESS}, 0, 1, 0},
        {"4 5 4 passes", ReaktionII({4, 5, 4, 7}), {NONE, NONE, NONE}, 0, 0, 1},
        {"the first two digits have nothing two back", ReaktionII({4, 5, 6}), {PRESS, PRESS}, 0, 2, 0},
        {"4 5 4 5 4", ReaktionII({4, 5, 4, 5, 4, 1}), {NONE, NONE, PRESS, PRESS_TWICE, NONE}, 2, 0, 1},
        {"a press in the blank after two back", ReaktionII({4, 5, 4, 7}), {NONE, NONE, PRESS_IN_BLANK}, 0, 0, 0},
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
    EXPECT_NEAR(game.AverageReactionTime(), (0.113 + 0.2) / 2, 1e-9);
}

TEST_F(ReactionGamesTest, TheGradeWeighsErrorsReactionTimeAndAFullPlay) {
    // Two back: one target (the third digit), then 1 2 3 1 2 3 ..., never two back.
    const MakeGame oneTarget = [] {
        return std::make_unique<ScriptedReaktionII>([](int s) { return s < 3 ? 4 + s % 2 : 1 + s % 3; });
    };
    // acts: a press comes 0.3 s after its digit appeared
    // later: on every further digit
    struct Case { const char* name; MakeGame make; std::vector<Act> acts; Act later; bool fullPlay; double grade; };
    const Case cases[] = {
        {"only hits in a full play", Reaktion({{3, 3}}), {}, PRESS, true, 0.925},
        {"a hit and a false alarm in a full play", Reaktion({{3, 3}, {3, 4}}), {PRESS, PRESS}, NONE, true, 5.925},
        {"two back: a hit and a false alarm in a full play", oneTarget, {NONE, PRESS, PRESS}, NONE, true, 3.425},
        {"two back ended early: errors weigh double", oneTarget, {NONE, PRESS, PRESS}, NONE, false, 6.0},
        {"ended early: two hits and a false alarm", Reaktion({{3, 3}, {3, 3}, {3, 4}}), {PRESS, PRESS, PRESS},
         NONE, false, 4.6333},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto game = c.make();
        Start(*game);
        for (size_t digit = 0; game->GetState() == Knobel_Game::STATE_RUNNING; ++digit) {
            if (!c.fullPlay && digit == c.acts.size()) {
                game->SetState(Knobel_Game::STATE_ABORTED);
            } else if ((digit < c.acts.size() ? c.acts[digit] : c.later) == PRESS) {
                clock->Advance(0.3);
                Click();
            }
            NextDigit(*game);
        }
        game->ComputeGrade();
        EXPECT_NEAR(game->GetGrade(), c.grade, 5e-3);  // a full play may end up to a frame early
    }
}

}  // namespace
