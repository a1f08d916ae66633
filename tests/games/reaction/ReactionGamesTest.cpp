#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ReactionFixture.h"
#include "ScriptedReaction.h"
#include "app/Random.h"
#include "platform/KeyMap.h"

namespace {

// What the player does while a digit is on the screen.
enum Act { NONE, PRESS, PRESS_TWICE, PRESS_IN_BLANK };

using MakeGame = std::function<std::unique_ptr<DigitReactionGame>()>;

MakeGame Reaktion(std::vector<std::pair<int, int>> pairs) {
    return [pairs] {
        return std::make_unique<ScriptedReaktion>(0, [pairs](int step) {
            return pairs[std::min<size_t>(static_cast<size_t>(step), pairs.size() - 1)];
        });
    };
}

MakeGame ReaktionII(std::vector<int> digits) {
    return [digits] {
        return std::make_unique<ScriptedReaktionII>(0, [digits](int step) {
            return digits[std::min<size_t>(static_cast<size_t>(step), digits.size() - 1)];
        });
    };
}

class ReactionGamesTest : public ReactionFixture {
protected:
    // Acts on each digit in turn (the first 0.2 s after it appeared), each
    // digit followed by the next; the last act's digit has then ended.
    void Play(DigitReactionGame& game, const std::vector<Act>& acts) {
        for (const Act act : acts) {
            clock->Advance(0.2);
            if (act == PRESS || act == PRESS_TWICE) {
                Click();
            }
            if (act == PRESS_TWICE) {
                Key('A');
            }
            if (act == PRESS_IN_BLANK) {
                while (!game.InBlank()) {
                    Frame();
                }
                Click();
            }
            NextDigit(game);
        }
    }
};

TEST_F(ReactionGamesTest, HitsFalseAlarmsAndMissesFollowTheTargetOfEachGame) {
    struct Case {
        const char* name;
        MakeGame make;
        std::vector<Act> acts;
        int hits, falseAlarms, misses;
    };
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
        Play(*game, c.acts);
        EXPECT_EQ(game->Hits(), c.hits);
        EXPECT_EQ(game->FalseAlarms(), c.falseAlarms);
        EXPECT_EQ(game->Misses(), c.misses);
    }
}

TEST_F(ReactionGamesTest, OnlyFreshPressesReactAndTheyAreTimedWhenTheyArrive) {
    ScriptedReaktion game(0, [](int step) { return std::pair{step % 2, step % 2}; });
    Start(game);
    // Between two frames; keys of the menu and the shell and held keys are no reactions.
    Frame(0.05);
    Frame(0.05);
    clock->Advance(0.013);
    for (const int key : {platform::vk::Escape, platform::vk::Control, static_cast<int>('H')}) {
        Key(key);
    }
    Key('A', true);
    EXPECT_EQ(game.Hits() + game.FalseAlarms(), 0);
    Key('A');
    NextDigit(game);
    clock->Advance(0.2);
    Click();
    EXPECT_EQ(game.Hits(), 2);
    EXPECT_NEAR(game.AverageReactionTime(), (0.113 + 0.2) / 2, 1e-9);
}

TEST_F(ReactionGamesTest, TheLevelSetsThePlayTimeAndHowLongADigitShows) {
    struct Case {
        int level;
        double playSeconds, showSeconds, twoBackShowSeconds;
    };
    const Case cases[] = {{0, 45, 0.5, 0.75}, {1, 60, 0.4, 0.66}, {2, 75, 0.3, 0.4}};
    for (const Case& c : cases) {
        OpenReaktion first(c.level);
        OpenReaktionII second(c.level);
        for (DigitReactionGame* game : {static_cast<DigitReactionGame*>(&first), static_cast<DigitReactionGame*>(&second)}) {
            SCOPED_TRACE("level " + std::to_string(c.level));
            Start(*game);
            double shown = 0.0;
            for (; !game->InBlank(); shown += kFrame) {
                Frame();
            }
            EXPECT_NEAR(shown, game == &first ? c.showSeconds : c.twoBackShowSeconds, 1.5 * kFrame);
            while (game->GetState() == Knobel_Game::STATE_RUNNING) {
                Frame(0.1);
            }
            EXPECT_EQ(game->GetState(), Knobel_Game::STATE_FINISHED);
            EXPECT_NEAR(game->GetPlaySeconds(), c.playSeconds, 0.11);
        }
    }
}

TEST_F(ReactionGamesTest, TheDigitsStayNearTheTargetOrThePreviousDigitAndNeverRepeat) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        OpenReaktion first(0);
        OpenReaktionII second(0);
        for (int change = 0; change < 200; ++change) {
            const int before = first.ShownDigit();
            first.ShowNextDigit();
            EXPECT_LE(std::abs(first.ShownDigit() - first.TargetDigit()), 1);
            EXPECT_NE(first.ShownDigit(), before);

            const int previous = second.ShownDigit();
            second.ShowNextDigit();
            ASSERT_GE(second.ShownDigit(), 0);
            ASSERT_LE(second.ShownDigit(), 9);
            EXPECT_LE(std::abs(second.ShownDigit() - previous), 2);
            EXPECT_NE(second.ShownDigit(), previous);
            EXPECT_EQ(second.PreviousDigit(), previous);
        }
    }
}

TEST_F(ReactionGamesTest, TheGradeWeighsErrorsReactionTimeAndAFullPlay) {
    // Two back: one target (the third digit), then 1 2 3 1 2 3 ... never two back.
    const MakeGame oneTarget = [] {
        return std::make_unique<ScriptedReaktionII>(0, [](int step) { return step < 3 ? 4 + step % 2 : 1 + step % 3; });
    };
    const MakeGame noTarget = [] {
        return std::make_unique<ScriptedReaktionII>(0, [](int step) { return 1 + step % 3; });
    };
    struct Case {
        const char* name;
        MakeGame make;
        std::vector<Act> acts;  // a press comes 0.3 s after its digit appeared
        Act later;              // what follows on every further digit
        bool fullPlay;
        double grade;
    };
    const Case cases[] = {
        {"only hits in a full play", Reaktion({{3, 3}}), {}, PRESS, true, 0.925},
        {"a hit and a false alarm in a full play", Reaktion({{3, 3}, {3, 4}}), {PRESS, PRESS}, NONE, true, 5.925},
        {"two back: a hit and a false alarm in a full play", oneTarget, {NONE, PRESS, PRESS}, NONE, true, 3.425},
        {"two back ended early: errors weigh double", oneTarget, {NONE, PRESS, PRESS}, NONE, false, 6.0},
        {"ended early: two hits and a false alarm", Reaktion({{3, 3}, {3, 3}, {3, 4}}), {PRESS, PRESS, PRESS},
         NONE, false, 4.6333},
        {"a full play with nothing to grade", noTarget, {}, NONE, true, 6.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto game = c.make();
        Start(*game);
        for (size_t digit = 0; game->GetState() == Knobel_Game::STATE_RUNNING; ++digit) {
            if (!c.fullPlay && digit == c.acts.size()) {
                game->SetState(Knobel_Game::STATE_ABORTED);
                break;
            }
            if ((digit < c.acts.size() ? c.acts[digit] : c.later) == PRESS) {
                clock->Advance(0.3);
                Click();
            }
            NextDigit(*game);
        }
        game->ComputeGrade();
        // A full play may end up to one frame early.
        EXPECT_NEAR(game->GetGrade(), c.grade, 5e-3);
        EXPECT_NE(game->GetResultText().find("grade"), std::string::npos);
    }
}

}  // namespace
