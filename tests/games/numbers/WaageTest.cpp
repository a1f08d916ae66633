#include "games/numbers/KG_Waage_Game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/Random.h"
#include "support/GameFixture.h"

namespace {

// Frames of a quarter second: long enough for a weight to reach its target
// in one, and exact in binary, so that play times add up exactly.
constexpr double kFrame = 0.25;
constexpr int kLeftPanX = 300;
constexpr int kRightPanX = 720;
constexpr int kAboveTheTable = 300;

class WaageTest : public GameFixture {
protected:
    WaageTest()
        : GameFixture(
              "ANZ_TEXTE: 150 "
              "<TEXT_START> 30 Right %d|"
              "<TEXT_START> 31 Wrong %d|"
              "<TEXT_START> 37 Time %d:%02d|"
              "<TEXT_START> 41 Average %.1f|"
              "<TEXT_START> 50 Grade %.2f|"
              "<TEXT_START> 63 %d:%02d|"
              "<TEXT_START> 115 Scales|"
              "<TEXT_START> 116 Balance it|"
              "<TEXT_START> 117 Left %d:%02d|") {}

    // Which table weights go onto the left pan so that the pans balance
    // (found by a subset sum over the table); empty when there is no way.
    static bool Solution(const BalanceScale& balance, std::vector<bool>& toLeft) {
        const int units = 25;
        int total = 0;
        for (const auto& weight : balance.Table()) {
            total += weight->Grams();
        }
        const int twiceLeft = balance.RightSum() + total - balance.LeftSum();
        if (twiceLeft < 0 || twiceLeft % (2 * units) != 0) {
            return false;
        }
        const int goal = twiceLeft / 2 / units;
        const size_t n = balance.Table().size();
        // reach[i][s]: the first i weights can make s units.
        std::vector<std::vector<bool>> reach(n + 1, std::vector<bool>(goal + 1, false));
        reach[0][0] = true;
        for (size_t i = 0; i < n; ++i) {
            const int mass = balance.Table()[i]->Grams() / units;
            for (int s = 0; s <= goal; ++s) {
                reach[i + 1][s] = reach[i][s] || (s >= mass && reach[i][s - mass]);
            }
        }
        if (!reach[n][goal]) {
            return false;
        }
        toLeft.assign(n, false);
        for (size_t i = n, s = goal; i > 0; --i) {
            const int mass = balance.Table()[i - 1]->Grams() / units;
            if (!reach[i - 1][s]) {
                toLeft[i - 1] = true;
                s -= mass;
            }
        }
        return true;
    }

    // Solves the task so that it counts after exactly `seconds` of it.
    void SolveIn(KG_Waage_Game& game, double seconds) {
        Solve(game, true);
        Frame(game, seconds - (game.TaskTimeAllowed() - game.TaskTimeLeft()));
        game.OnLeftButtonUp(kLeftPanX, kAboveTheTable);
        Frame(game, 0.0);
        ASSERT_GT(game.FeedbackTimer(), 0.0);
        Frame(game, KG_Waage_Game::kFeedbackSeconds);
    }

    // Lets the task's time run out without touching it.
    void TimeOut(KG_Waage_Game& game) {
        Frame(game, game.TaskTimeLeft());
        ASSERT_GT(game.FeedbackTimer(), 0.0);
        Frame(game, KG_Waage_Game::kFeedbackSeconds);
    }

    void Frame(Knobel_Game& game, double seconds = kFrame) { RunFrames(game, 1, seconds, seconds); }

    // Picks up the weight, carries it to (x, y) and, unless told to hold on, lets go.
    void Drag(KG_Waage_Game& game, const BalanceWeight& weight, int x, int y, bool release = true) {
        const int fromX = static_cast<int>(weight.X());
        const int fromY = static_cast<int>(weight.Y()) - 10;
        game.OnMouseMove(fromX, fromY);
        game.OnLeftButtonDown(fromX, fromY);
        game.OnMouseMove(x, y);
        Frame(game, kFrame);
        if (release) {
            game.OnLeftButtonUp(x, y);
            Frame(game, kFrame);
        }
    }

    // Drags the table weights onto the pans as the solution says, the last
    // one held on to when holdLast is set.
    void Solve(KG_Waage_Game& game, bool holdLast = false) {
        Frame(game);
        Frame(game);
        std::vector<bool> toLeft;
        ASSERT_TRUE(Solution(game.Balance(), toLeft));
        for (size_t i = toLeft.size(); i-- > 0;) {
            const BalanceWeight& weight = *game.Balance().Table()[i];
            Drag(game, weight, toLeft[i] ? kLeftPanX : kRightPanX, kAboveTheTable, !(holdLast && i == 0));
        }
    }
};

TEST_F(WaageTest, EveryGeneratedTaskCanBeBalanced) {
    struct Level {
        int tasks;
        double seconds;
        size_t tableWeights;
    };
    const Level levels[] = {{5, 60.0, 5}, {7, 50.0, 7}, {10, 40.0, 10}};
    const std::vector<int> masses{25, 50, 100, 250, 500, 1000};
    for (int level = 0; level < 3; ++level) {
        int fixedSeen = 0;
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
            SeedRandom(seed);
            KG_Waage_Game game(level);
            EXPECT_EQ(game.TasksPerPlay(), levels[level].tasks);
            EXPECT_EQ(game.TaskTimeAllowed(), levels[level].seconds);
            EXPECT_EQ(game.TaskTimeLeft(), levels[level].seconds);
            const BalanceScale& balance = game.Balance();
            EXPECT_GE(balance.Table().size(), levels[level].tableWeights);
            EXPECT_EQ(balance.Tilt(), 0.0);
            EXPECT_EQ(balance.Held(), nullptr);
            std::vector<bool> toLeft;
            EXPECT_TRUE(Solution(balance, toLeft));
            // Pan weights are fixed, table weights movable; all glide in from the top.
            for (const auto* list : {&balance.LeftPan(), &balance.RightPan(), &balance.Table()}) {
                for (const auto& weight : *list) {
                    EXPECT_EQ(weight->Movable(), list == &balance.Table());
                    EXPECT_NE(std::find(masses.begin(), masses.end(), weight->Grams()), masses.end());
                    EXPECT_EQ(weight->Y(), 0.0f);
                    EXPECT_GE(weight->X(), 0.0f);
                    EXPECT_LT(weight->X(), 1024.0f);
                }
            }
            fixedSeen += static_cast<int>(balance.LeftPan().size() + balance.RightPan().size());
        }
        EXPECT_GT(fixedSeen, 0);
    }
}

// Carries a weight of the balance to (x, y) and lets go.
void Carry(BalanceScale& balance, const BalanceWeight& weight, int x, int y) {
    balance.OnLeftButtonDown(static_cast<int>(weight.X()), static_cast<int>(weight.Y()) - 5);
    ASSERT_EQ(balance.Held(), &weight);
    balance.OnMouseMove(x, y - 5);
    balance.Update(1.0);
    balance.OnLeftButtonUp();
}

TEST_F(WaageTest, AWeightIsPutDownByWhereItIsAndNeverLost) {
    struct Case {
        int x;
        int y;
        const char* lands;
    };
    // The table line is at 2/3 of the height (512), the middle at 512.
    const Case cases[] = {
        {300, 300, "left"}, {720, 300, "right"}, {512, 300, "left"}, {513, 300, "right"},
        {720, 505, "right"}, {300, 525, "table"}, {720, 700, "table"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        SeedRandom(8);
        BalanceScale balance(5, -1.0, 0.5);  // nothing fixed
        balance.Update(1.0);
        balance.Update(1.0);
        const size_t weights = balance.Table().size();
        const BalanceWeight& weight = *balance.Table()[1];
        Carry(balance, weight, c.x, c.y);
        const std::string lands = c.lands;
        const auto& list = lands == "left" ? balance.LeftPan() : lands == "right" ? balance.RightPan() : balance.Table();
        ASSERT_FALSE(list.empty());
        EXPECT_EQ(list.back().get(), &weight);
        EXPECT_EQ(balance.Table().size() + balance.LeftPan().size() + balance.RightPan().size(), weights);

        // From a pan it can go anywhere again, here onto the other side.
        if (lands != "table") {
            balance.Update(1.0);
            balance.Update(1.0);
            Carry(balance, weight, lands == "left" ? 800 : 200, 300);
            EXPECT_EQ((lands == "left" ? balance.RightPan() : balance.LeftPan()).back().get(), &weight);
        }
    }

    // A press while a weight is still held (its release went elsewhere) puts
    // it down first; a press on a fixed weight picks nothing up.
    SeedRandom(21);
    BalanceScale balance(5, 0.5, 0.5);
    balance.Update(1.0);
    balance.Update(1.0);
    ASSERT_FALSE(balance.RightPan().empty());
    const BalanceWeight& fixed = *balance.RightPan().front();
    ASSERT_FALSE(fixed.Movable());
    const size_t weights = balance.Table().size() + balance.LeftPan().size() + balance.RightPan().size();
    const BalanceWeight& movable = *balance.Table().front();
    balance.OnLeftButtonDown(static_cast<int>(movable.X()), static_cast<int>(movable.Y()) - 5);
    ASSERT_EQ(balance.Held(), &movable);
    balance.OnLeftButtonDown(static_cast<int>(fixed.X()), static_cast<int>(fixed.Y()) - 5);
    EXPECT_EQ(balance.Held(), nullptr);
    EXPECT_EQ(balance.Table().back().get(), &movable);
    EXPECT_EQ(balance.Table().size() + balance.LeftPan().size() + balance.RightPan().size(), weights);
}

TEST_F(WaageTest, TheBeamTiltsTowardsTheHeavierPanWithoutOvershooting) {
    SeedRandom(8);
    BalanceScale balance(5, -1.0, 0.5);  // nothing fixed
    balance.Update(1.0);
    balance.Update(1.0);
    // Empty pans: level, the pans 100 either side of the middle.
    EXPECT_EQ(balance.Tilt(), 0.0);
    EXPECT_FLOAT_EQ(balance.LeftAnchor().x, 412.0f);
    EXPECT_FLOAT_EQ(balance.RightAnchor().x, 612.0f);
    EXPECT_FLOAT_EQ(balance.LeftAnchor().y, 384.0f);
    EXPECT_FLOAT_EQ(balance.RightAnchor().y, 384.0f);

    // A held weight weighs nothing yet; put on the left pan alone it pulls the
    // beam to the full 30 degrees: half of it in half a second, then all of
    // it and no further however slow the frame.
    const BalanceWeight& first = **std::max_element(
        balance.Table().begin(), balance.Table().end(),
        [](const auto& a, const auto& b) { return a->Grams() < b->Grams(); });
    Carry(balance, first, 300, 300);
    EXPECT_EQ(balance.Tilt(), 0.0);
    balance.Update(0.5);
    EXPECT_DOUBLE_EQ(balance.Tilt(), -15.0);
    balance.Update(5.0);
    EXPECT_DOUBLE_EQ(balance.Tilt(), -30.0);
    EXPECT_GT(balance.LeftAnchor().y, balance.RightAnchor().y);
    EXPECT_NEAR(balance.RightAnchor().x - balance.LeftAnchor().x, 200.0 * std::cos(30.0 * M_PI / 180.0), 1e-3);
    EXPECT_NEAR(balance.LeftAnchor().y - 384.0f, 100.0 * std::sin(30.0 * M_PI / 180.0), 1e-3);
    // Weights stand on their pan.
    balance.Update(1.0);
    EXPECT_NEAR(first.Y(), balance.LeftAnchor().y - 32.5f, 1e-3);

    // The same weight moved to the right: full tilt the other way.
    Carry(balance, first, 800, 300);
    balance.Update(5.0);
    EXPECT_DOUBLE_EQ(balance.Tilt(), 30.0);
    EXPECT_LT(balance.LeftAnchor().y, balance.RightAnchor().y);

    // A lighter load on the left: still to the right, but less.
    const BalanceWeight* other = nullptr;
    for (const auto& weight : balance.Table()) {
        if (weight->Grams() < first.Grams()) {
            other = weight.get();
        }
    }
    ASSERT_NE(other, nullptr);
    Carry(balance, *other, 300, 300);
    balance.Update(5.0);
    EXPECT_GT(balance.Tilt(), 15.0);
    EXPECT_LT(balance.Tilt(), 30.0);
}

TEST_F(WaageTest, ATaskIsSolvedWhenTheTableIsEmptyNothingIsHeldAndThePansWeighTheSame) {
    struct Case {
        const char* name;
        bool solve;     // as the subset sum says; otherwise everything onto the left pan
        bool holdLast;  // the last weight still in hand
        bool solved;
    };
    const Case cases[] = {
        {"balanced", true, false, true},
        {"last weight held", true, true, false},
        {"table empty, pans unequal", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRandom(5);
        KG_Waage_Game game(0);
        game.StartGame();
        if (c.solve) {
            Solve(game, c.holdLast);
        } else {
            Frame(game);
            Frame(game);
            while (!game.Balance().Table().empty()) {
                Drag(game, *game.Balance().Table().back(), kLeftPanX, kAboveTheTable);
            }
            ASSERT_NE(game.Balance().LeftSum(), game.Balance().RightSum());
        }
        Frame(game, 0.0);
        // Judged at once, with the beam still swinging.
        EXPECT_EQ(game.Right(), c.solved ? 1 : 0);
        EXPECT_EQ(game.FeedbackTimer() > 0.0, c.solved);
        EXPECT_EQ(game.Wrong(), 0);
        if (c.solved) {
            EXPECT_EQ(game.Balance().TargetTilt(), 0.0);
            EXPECT_NE(game.Balance().Tilt(), 0.0);
            EXPECT_DOUBLE_EQ(game.SolvedTime(), game.TaskTimeAllowed() - game.TaskTimeLeft());
            // While the outcome shows, the balance takes no input.
            const BalanceWeight& onPan = *game.Balance().LeftPan().back();
            game.OnLeftButtonDown(static_cast<int>(onPan.X()), static_cast<int>(onPan.Y()) - 5);
            EXPECT_EQ(game.Balance().Held(), nullptr);
            // Then the next task.
            Frame(game, KG_Waage_Game::kFeedbackSeconds);
            EXPECT_EQ(game.FeedbackTimer(), 0.0);
            EXPECT_EQ(game.TaskTimeLeft(), 60.0);
            EXPECT_FALSE(game.Balance().Table().empty());
        }
    }
}

TEST_F(WaageTest, EachTaskHasItsTimeLimitAndAWeightInHandIsPutDownWhenItRunsOut) {
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        SeedRandom(30 + level);
        KG_Waage_Game game(level);
        game.StartGame();
        const double allowed = game.TaskTimeAllowed();
        // Time runs out with the last weight of a solution in hand, over its pan.
        Solve(game, true);
        ASSERT_NE(game.Balance().Held(), nullptr);
        Frame(game, game.TaskTimeLeft() - 0.5);
        EXPECT_EQ(game.FeedbackTimer(), 0.0);
        Frame(game, 1.0);
        EXPECT_EQ(game.Balance().Held(), nullptr);
        EXPECT_TRUE(game.Balance().Table().empty());
        EXPECT_EQ(game.Right(), 1);
        EXPECT_DOUBLE_EQ(game.SolvedTime(), allowed);
        Frame(game, KG_Waage_Game::kFeedbackSeconds);

        // The other tasks run out untouched: each is wrong, the last ends the play.
        for (int task = 1; task < game.TasksPerPlay(); ++task) {
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
            EXPECT_EQ(game.TaskTimeLeft(), allowed);
            TimeOut(game);
            EXPECT_EQ(game.Wrong(), task);
        }
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        EXPECT_EQ(game.Right(), 1);
    }
}

TEST_F(WaageTest, TheGradeWeighsTimedOutTasksAndPlayTime) {
    struct Case {
        int level;
        const char* tasks;  // "s" solved in `seconds`, "t" timed out
        double seconds;
        bool endEarly;
        double grade;
        const char* result;
    };
    const Case cases[] = {
        {0, "sssss", 18.0, false, 2.0, " Time 1:30\n Right 5\n Wrong 0\n Average 18.0\n\n Grade 2.00"},
        {0, "sstss", 10.0, false, 3.0 + 1.0 / 9, " Time 1:40\n Right 4\n Wrong 1\n Average 10.0\n\n Grade 3.11"},
        {1, "sst", 15.0, true, 5.0 + 2.0 / 3, " Time 1:20\n Right 2\n Wrong 1\n Average 15.0\n\n Grade 5.67"},
        {2, "ss", 15.0, true, 1.5, " Time 0:30\n Right 2\n Wrong 0\n Average 15.0\n\n Grade 1.50"},
        {0, "", 0.0, true, 6.0, " Time 0:00\n Right 0\n Wrong 0\n Average 0.0\n\n Grade 6.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tasks);
        SeedRandom(44);
        KG_Waage_Game game(c.level);
        game.StartGame();
        for (const char* task = c.tasks; *task != '\0'; ++task) {
            if (*task == 's') {
                SolveIn(game, c.seconds);
            } else {
                TimeOut(game);
            }
        }
        EXPECT_EQ(game.GetState(), c.endEarly ? Knobel_Game::STATE_RUNNING : Knobel_Game::STATE_FINISHED);
        if (c.endEarly) {
            game.SetState(Knobel_Game::STATE_ABORTED);
        }
        const std::string result = game.GetResultText();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9);
        EXPECT_EQ(result, c.result);
    }
}

}  // namespace
