#include "games/numbers/KG_Waage_Game.h"

#include <gtest/gtest.h>

#include <memory>
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
// The time panel and the task's time left take the screen's top lines.
constexpr float kBelowTheTimeLines = 100.0f;

// The table weights that go onto the left pan (the others onto the right)
// so that the pans balance, tried over every subset; false when none does.
bool Solution(const BalanceScale& balance, std::vector<bool>& toLeft) {
    const size_t n = balance.Table().size();
    for (uint32_t subset = 0; subset < (1u << n); ++subset) {
        int left = balance.LeftSum();
        int right = balance.RightSum();
        toLeft.assign(n, false);
        for (size_t i = 0; i < n; ++i) {
            toLeft[i] = ((subset >> i) & 1u) != 0;
            (toLeft[i] ? left : right) += balance.Table()[i]->Grams();
        }
        if (left == right) return true;
    }
    return false;
}

// Lets the weights glide in from the top and come to rest.
void Settle(BalanceScale& balance) { balance.Update(1.0); balance.Update(1.0); }

// Carries a weight of the balance to (x, y) and lets go after the seconds
// given to its picture to glide after the pointer.
void Carry(BalanceScale& balance, const BalanceWeight& weight, int x, int y, double glideSeconds = 1.0) {
    balance.OnLeftButtonDown(static_cast<int>(weight.X()), static_cast<int>(weight.Y()) - 5);
    ASSERT_EQ(balance.Held(), &weight);
    balance.OnMouseMove(x, y - 5);
    balance.Update(glideSeconds);
    balance.OnLeftButtonUp();
}

class WaageTest : public GameFixture {
protected:
    WaageTest()
        : GameFixture(
              "ANZ_TEXTE: 150 <TEXT_START> 30 Right %d|<TEXT_START> 31 Wrong %d|<TEXT_START> 37 Time %d:%02d|"
              "<TEXT_START> 41 Average %.1f|<TEXT_START> 50 Grade %.2f|") {}
    void Frame(Knobel_Game& game, double seconds = kFrame) { RunFrames(game, 1, seconds, seconds); }
    // Drags the table weights onto the pans as the solution says (or all onto
    // the left pan), the last one only carried over its pan when holdLast is set.
    void Solve(KG_Waage_Game& game, bool holdLast = false, bool allLeft = false) {
        Frame(game);
        Frame(game);
        std::vector<bool> toLeft;
        ASSERT_TRUE(Solution(game.Balance(), toLeft));
        for (size_t i = toLeft.size(); i-- > 0;) {
            const BalanceWeight& weight = *game.Balance().Table()[i];
            const int x = static_cast<int>(weight.X());
            const int y = static_cast<int>(weight.Y()) - 10;
            game.OnMouseMove(x, y);
            game.OnLeftButtonDown(x, y);
            game.OnMouseMove(toLeft[i] || allLeft ? kLeftPanX : kRightPanX, kAboveTheTable);
            Frame(game);
            if (!holdLast || i > 0) {
                game.OnLeftButtonUp(0, 0);
                Frame(game);
            }
        }
    }
    // Solves the task so that it counts after exactly `seconds` of it.
    void SolveIn(KG_Waage_Game& game, double seconds) {
        Solve(game, true);
        Frame(game, seconds - (game.TaskTimeAllowed() - game.TaskTimeLeft()));
        game.OnLeftButtonUp(0, 0);
        Frame(game, 0.0);
        ASSERT_GT(game.FeedbackTimer(), 0.0);
        Frame(game, KG_Waage_Game::kFeedbackSeconds);
    }
    // Lets the task's time run out untouched.
    void TimeOut(KG_Waage_Game& game) {
        Frame(game, game.TaskTimeLeft());
        ASSERT_GT(game.FeedbackTimer(), 0.0);
        Frame(game, KG_Waage_Game::kFeedbackSeconds);
    }
};

TEST_F(WaageTest, EveryGeneratedTaskCanBeBalanced) {
    for (int level = 0; level < 3; ++level) {
        size_t fixedSeen = 0;
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
            SeedRandom(seed);
            KG_Waage_Game game(level);
            const BalanceScale& balance = game.Balance();
            std::vector<bool> toLeft;
            EXPECT_TRUE(Solution(balance, toLeft));
            // Pan weights are fixed, table weights movable.
            for (const auto* list : {&balance.LeftPan(), &balance.RightPan(), &balance.Table()}) {
                for (const auto& weight : *list) EXPECT_EQ(weight->Movable(), list == &balance.Table());
            }
            fixedSeen += balance.LeftPan().size() + balance.RightPan().size();
        }
        EXPECT_GT(fixedSeen, 0u);
    }
}

TEST_F(WaageTest, AWeightIsPutDownWhereThePointerIsAndNeverLost) {
    // Left or right of the middle above the table line, or below it, also
    // when the weight's picture has not caught up with the pointer.
    // lands: l, r or t(able)
    const struct { int x, y; double glide; char lands; } cases[] = {
        {300, 300, 1.0, 'l'}, {720, 300, 1.0, 'r'}, {300, 600, 1.0, 't'}, {300, 300, 0.0, 'l'}, {300, 300, 0.2, 'l'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + " after " + std::to_string(c.glide) + " s");
        SeedRandom(8);
        BalanceScale balance(5, -1.0, 0.5);  // nothing fixed
        Settle(balance);
        const BalanceWeight& weight = *balance.Table()[1];
        Carry(balance, weight, c.x, c.y, c.glide);
        const auto& list = c.lands == 'l' ? balance.LeftPan() : c.lands == 'r' ? balance.RightPan() : balance.Table();
        ASSERT_FALSE(list.empty());
        EXPECT_EQ(list.back().get(), &weight);
        if (c.lands != 't') {  // from a pan it goes anywhere again
            balance.Update(1.0);
            Carry(balance, weight, c.lands == 'l' ? 800 : 200, 300);
            EXPECT_EQ((c.lands == 'l' ? balance.RightPan() : balance.LeftPan()).back().get(), &weight);
        }
    }
    // A press while a weight is still held (its release went elsewhere) puts
    // it down first; a press on a fixed weight picks nothing up.
    SeedRandom(21);
    BalanceScale balance(5, 0.5, 0.5);
    Settle(balance);
    ASSERT_FALSE(balance.RightPan().empty());
    const BalanceWeight& fixed = *balance.RightPan().front();
    const BalanceWeight& movable = *balance.Table().front();
    const size_t onTable = balance.Table().size();
    balance.OnLeftButtonDown(static_cast<int>(movable.X()), static_cast<int>(movable.Y()) - 5);
    ASSERT_EQ(balance.Held(), &movable);
    balance.OnLeftButtonDown(static_cast<int>(fixed.X()), static_cast<int>(fixed.Y()) - 5);
    EXPECT_EQ(balance.Held(), nullptr);
    EXPECT_EQ(balance.Table().size(), onTable);
    EXPECT_EQ(balance.Table().back().get(), &movable);
}

// Every weight in sight and its mass readable: on the screen below the time
// lines, no weight drawn over the mass of one drawn before it (a weight
// standing on another hides only its knob), the two pans' stacks apart; as a
// task is set, once solved and with all its table weights on one pan.
TEST_F(WaageTest, EveryWeightStaysOnTheScreenWithItsMassUncovered) {
    for (int level = 0; level < 3; ++level) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            for (const char* state : {"set", "solved", "all on the left pan"}) {
                SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed) + " " + state);
                SeedRandom(seed);
                KG_Waage_Game game(level);
                game.StartGame();
                if (state[0] != 's' || state[1] != 'e') Solve(game, false, state[0] == 'a');
                Frame(game, 5.0);
                Frame(game, 5.0);
                const BalanceScale& balance = game.Balance();
                // In the order they are drawn.
                std::vector<const BalanceWeight*> all;
                for (const auto* list : {&balance.RightPan(), &balance.LeftPan(), &balance.Table()}) {
                    for (const auto& weight : *list) all.push_back(weight.get());
                }
                for (size_t i = 0; i < all.size(); ++i) {
                    EXPECT_TRUE(all[i]->Bounds().Inside(ScreenBox{0.0f, kBelowTheTimeLines, 1024.0f, 768.0f}))
                        << all[i]->Grams() << " at " << all[i]->X() << ", " << all[i]->Y();
                    for (size_t later = i + 1; later < all.size(); ++later) {
                        EXPECT_FALSE(all[later]->Bounds().Overlaps(all[i]->LabelBox()))
                            << all[later]->Grams() << " on " << all[i]->Grams();
                    }
                }
                for (const auto& left : balance.LeftPan()) {
                    for (const auto& right : balance.RightPan()) {
                        EXPECT_FALSE(left->Bounds().Overlaps(right->Bounds()));
                    }
                }
            }
        }
    }
}

// Where weights stand on each other, a press takes the one drawn on top.
TEST_F(WaageTest, APressTakesTheWeightDrawnOnTop) {
    // The same balance each time: every weight carried onto the left pan.
    const auto stacked = [] {
        SeedRandom(8);
        auto balance = std::make_unique<BalanceScale>(12, -1.0, 0.5);  // nothing fixed
        Settle(*balance);
        while (!balance->Table().empty()) Carry(*balance, *balance->Table().back(), kLeftPanX, kAboveTheTable);
        Settle(*balance);
        return balance;
    };
    const size_t count = stacked()->LeftPan().size();
    ASSERT_GT(count, 6u) << "weights in layers";
    int onAnother = 0;
    for (size_t i = 0; i < count; ++i) {
        const std::unique_ptr<BalanceScale> balance = stacked();
        const BalanceWeight* weight = balance->LeftPan()[i].get();
        // Just above its foot, where it may stand on a weight below.
        const int x = static_cast<int>(weight->X());
        const int y = static_cast<int>(weight->Y()) - 2;
        for (const auto& other : balance->LeftPan()) onAnother += other.get() != weight && other->HitTest(x, y);
        renderer->sprites.clear();
        balance->Draw();
        const RecordingRenderer::Sprite* top = nullptr;
        for (const RecordingRenderer::Sprite& sprite : renderer->sprites) {
            if (sprite.name == "weight" && sprite.Covers(static_cast<float>(x), static_cast<float>(y))) top = &sprite;
        }
        ASSERT_NE(top, nullptr);
        EXPECT_FLOAT_EQ(top->transform.dx, weight->Bounds().left);
        EXPECT_FLOAT_EQ(top->transform.dy, weight->Bounds().top);
        balance->OnLeftButtonDown(x, y);
        EXPECT_EQ(balance->Held(), weight);
    }
    EXPECT_GT(onAnother, 3) << "presses where weights lie on each other";
}

// The beam is the player's feedback: it leans to the heavier pan, never past
// 30 degrees, and at 60 frames a second it eases over and then rests, so
// that an untouched balance is not drawn again.
TEST_F(WaageTest, TheBeamLeansToTheHeavierPanAndComesToRest) {
    SeedRandom(8);
    BalanceScale balance(5, -1.0, 0.5);  // nothing fixed
    Settle(balance);
    const BalanceWeight& first = *balance.Table().front();
    Carry(balance, first, kLeftPanX, kAboveTheTable);
    balance.Update(5.0);
    EXPECT_DOUBLE_EQ(balance.Tilt(), -30.0);
    EXPECT_GT(balance.LeftAnchor().y, balance.RightAnchor().y);
    Carry(balance, first, kRightPanX, kAboveTheTable);
    int lastMove = -1;
    for (int frame = 0; frame < 900; ++frame) {
        const double before = balance.Tilt();
        balance.Update(1.0 / 60.0);
        lastMove = balance.Tilt() != before ? frame : lastMove;
    }
    EXPECT_DOUBLE_EQ(balance.Tilt(), 30.0);
    EXPECT_GT(balance.RightAnchor().y, balance.LeftAnchor().y);
    EXPECT_GT(lastMove, 60);
    EXPECT_LT(lastMove, 700);
}

TEST_F(WaageTest, ATaskIsSolvedWhenTheTableIsEmptyNothingIsHeldAndThePansWeighTheSame) {
    const struct { const char* name; bool holdLast, allLeft, solved; } cases[] = {
        {"balanced", false, false, true}, {"last weight held", true, false, false},
        {"table empty, pans unequal", false, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRandom(5);
        KG_Waage_Game game(0);
        game.StartGame();
        Solve(game, c.holdLast, c.allLeft);
        Frame(game, 0.0);
        // Judged at once, with the beam still swinging.
        EXPECT_EQ(game.Right(), c.solved ? 1 : 0);
        EXPECT_EQ(game.FeedbackTimer() > 0.0, c.solved);
        if (c.solved) {
            EXPECT_NE(game.Balance().Tilt(), 0.0);
            EXPECT_EQ(game.SolvedTime(), game.TaskTimeAllowed() - game.TaskTimeLeft());
            Frame(game, KG_Waage_Game::kFeedbackSeconds);
            EXPECT_EQ(game.TaskTimeLeft(), 60.0);
            EXPECT_FALSE(game.Balance().Table().empty()) << "the next task";
        }
        if (c.holdLast) {  // the time runs out: the weight in hand is put down over its pan
            Frame(game, game.TaskTimeLeft());
            EXPECT_EQ(game.Balance().Held(), nullptr);
            EXPECT_EQ(game.Right(), 1);
            EXPECT_EQ(game.SolvedTime(), game.TaskTimeAllowed());
        }
    }
}

TEST_F(WaageTest, TheGradeWeighsTimedOutTasksAndPlayTime) {
    // tasks: "s" solved in `seconds`, "t" timed out
    const struct { int level; const char* tasks; double seconds, grade; const char* result; } cases[] = {
        {0, "sssss", 18.0, 2.0, " Time 1:30\n Right 5\n Wrong 0\n Average 18.0\n\n Grade 2.00"},
        {0, "sstss", 10.0, 3.0 + 1.0 / 9, " Time 1:40\n Right 4\n Wrong 1\n Average 10.0\n\n Grade 3.11"},
        {1, "sst", 15.0, 5.0 + 2.0 / 3, " Time 1:20\n Right 2\n Wrong 1\n Average 15.0\n\n Grade 5.67"},
        // Ended early: never better than the eight tasks left timed out.
        {2, "ss", 15.0, 4.0 + 1.0 + 30.0 / 90.0, " Time 0:30\n Right 2\n Wrong 0\n Average 15.0\n\n Grade 5.33"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tasks);
        SeedRandom(44);
        KG_Waage_Game game(c.level);
        game.StartGame();
        for (const char* task = c.tasks; *task != '\0'; ++task) *task == 's' ? SolveIn(game, c.seconds) : TimeOut(game);
        if (game.GetState() == Knobel_Game::STATE_RUNNING) game.SetState(Knobel_Game::STATE_ABORTED);
        EXPECT_EQ(game.GetResultText(), c.result);
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9);
    }
}

}  // namespace
