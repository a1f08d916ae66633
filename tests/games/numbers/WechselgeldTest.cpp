#include "games/numbers/KG_Wechselgeld_Game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "app/Random.h"
#include "support/GameFixture.h"

namespace {

// Seeds found by searching: level-0 prices of 137, 450 and 200 cents (137
// leaves a change of 63), and a level-2 payment whose first five pieces
// already reach the price.
constexpr uint32_t kSeedOfPrice137 = 38;
constexpr uint32_t kSeedOfPrice450 = 267;
constexpr uint32_t kSeedOfPrice200 = 2;
constexpr uint32_t kSeedOfAnEarlyPayment = 7;

class WechselgeldTest : public GameFixture {
protected:
    WechselgeldTest()
        : GameFixture(
              "ANZ_TEXTE: 150 "
              "<TEXT_START> 22 Time %d:%02d|"
              "<TEXT_START> 50 Grade %.2f|"
              "<TEXT_START> 63 %d:%02d|"
              "<TEXT_START> 133 Check|"
              "<TEXT_START> 140 Change|"
              "<TEXT_START> 141 Give change|"
              "<TEXT_START> 142 Right %d of %d|"
              "<TEXT_START> 143 Fewest %d of %d|") {}

    static std::vector<int> CentsOf(const MoneyTray& tray) {
        std::vector<int> cents;
        for (const auto& piece : tray.Pieces()) {
            cents.push_back(piece->Cents());
        }
        return cents;
    }

    static const MoneyStack& StackOf(const KG_Wechselgeld_Game& game, int cents) {
        for (const MoneyStack& stack : game.Stacks()) {
            if (stack.Cents() == cents) {
                return stack;
            }
        }
        ADD_FAILURE() << "no stack of " << cents;
        return game.Stacks().front();
    }

    static void ChangeTrayCentre(const KG_Wechselgeld_Game& game, int& x, int& y) {
        const MoneyTray& tray = game.ChangeTray();
        x = static_cast<int>((tray.Left() + tray.Right()) / 2);
        y = static_cast<int>((tray.Top() + tray.Bottom()) / 2);
    }

    // Drags one piece of each value from its stack into the change tray.
    static void LayChange(KG_Wechselgeld_Game& game, const std::vector<int>& pieces) {
        int x = 0;
        int y = 0;
        ChangeTrayCentre(game, x, y);
        for (const int cents : pieces) {
            const MoneyStack& stack = StackOf(game, cents);
            game.OnLeftButtonDown(static_cast<int>(stack.X()), static_cast<int>(stack.Y()));
            game.OnMouseMove(x, y);
            game.OnLeftButtonUp(x, y);
        }
    }

    // The change with its largest piece laid as smaller ones of the same sum:
    // exact, but not in the fewest pieces.
    static std::vector<int> SplitLargest(std::vector<int> pieces) {
        const int largest = pieces.front();
        int smallerDenominations = 0;
        while (kDenominations[smallerDenominations] < largest) {
            ++smallerDenominations;
        }
        pieces.erase(pieces.begin());
        const std::vector<int> smaller = KG_Wechselgeld_Game::FewestPieces(largest, smallerDenominations);
        pieces.insert(pieces.end(), smaller.begin(), smaller.end());
        return pieces;
    }

    static void ClickButton(KG_Wechselgeld_Game& game) { game.OnLeftButtonUp(512, 384); }
};

TEST_F(WechselgeldTest, TheGreedyDecompositionTakesTheLargestPieceThatFitsEachTime) {
    struct Case {
        int cents;
        int used;
        std::vector<int> pieces;
    };
    const Case cases[] = {
        {0, 8, {}},
        {1, 8, {1}},
        {63, 8, {50, 10, 2, 1}},
        {388, 8, {200, 100, 50, 20, 10, 5, 2, 1}},
        {450, 8, {200, 200, 50}},
        {1880, 12, {1000, 500, 200, 100, 50, 20, 10}},
        {70000, 15, {50000, 20000}},
        {1200, 8, {200, 200, 200, 200, 200, 200}},  // no notes at level 0
        {99999, 15, {50000, 20000, 20000, 5000, 2000, 2000, 500, 200, 200, 50, 20, 20, 5, 2, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KG_Wechselgeld_Game::FewestPieces(c.cents, c.used), c.pieces) << c.cents;
    }
}

TEST_F(WechselgeldTest, EachLevelHasItsDenominationsPiecesAndTasksAndThePaymentAlwaysExceedsThePrice) {
    struct Level {
        int denominations;
        int pricePieces;
        int paymentPieces;
        int tasks;
    };
    const Level levels[] = {{8, 5, 1, 7}, {12, 5, 3, 6}, {15, 10, 6, 5}};
    const std::vector<int> all{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000};
    for (int level = 0; level < 3; ++level) {
        const Level& expected = levels[level];
        const std::vector<int> used(all.begin(), all.begin() + expected.denominations);
        for (uint32_t seed = 1; seed <= 15; ++seed) {
            SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
            SeedRandom(seed);
            KG_Wechselgeld_Game game(level);
            EXPECT_EQ(game.DenominationsUsed(), expected.denominations);
            EXPECT_EQ(game.TasksPerPlay(), expected.tasks);

            // One unlimited stack per denomination in use, smallest on the left.
            ASSERT_EQ(game.Stacks().size(), used.size());
            for (size_t k = 0; k < used.size(); ++k) {
                const MoneyStack& stack = game.Stacks()[k];
                EXPECT_EQ(stack.Cents(), used[k]);
                EXPECT_EQ(stack.Count(), MoneyStack::kUnlimited);
                EXPECT_EQ(stack.Y(), game.Stacks()[0].Y());
                EXPECT_GT(stack.Y(), game.ChangeTray().Bottom());
                if (k > 0) {
                    EXPECT_GT(stack.X(), game.Stacks()[k - 1].X());
                }
            }

            const std::vector<int> price = CentsOf(game.PriceTray());
            const std::vector<int> payment = CentsOf(game.PaymentTray());
            EXPECT_EQ(static_cast<int>(price.size()), expected.pricePieces);
            EXPECT_GE(static_cast<int>(payment.size()), expected.paymentPieces);
            for (const auto* pieces : {&price, &payment}) {
                for (const int cents : *pieces) {
                    EXPECT_NE(std::find(used.begin(), used.end(), cents), used.end()) << cents;
                }
            }
            EXPECT_EQ(game.PriceTray().Sum(), game.Price());
            EXPECT_EQ(game.PaymentTray().Sum(), game.Paid());
            EXPECT_GT(game.Paid(), game.Price());
            // Every piece lies inside its tray, and the change tray starts empty.
            for (const MoneyTray* tray : {&game.PriceTray(), &game.PaymentTray()}) {
                for (const auto& piece : tray->Pieces()) {
                    EXPECT_TRUE(tray->HitTest(piece->X(), piece->Y()));
                    EXPECT_FALSE(piece->FromStack());
                }
            }
            EXPECT_TRUE(game.ChangeTray().Pieces().empty());
        }
    }
}

TEST_F(WechselgeldTest, TheLastPaymentPieceTopsUpToJustAboveThePrice) {
    // Level 0 pays with the top-up alone: largest coins while the rest is at
    // least that large, then the smallest coin above the rest.
    struct Case {
        uint32_t seed;
        int price;
        std::vector<int> payment;
    };
    const Case cases[] = {
        {kSeedOfPrice137, 137, {200}}, {kSeedOfPrice450, 450, {200, 200, 100}}, {kSeedOfPrice200, 200, {200, 1}}};
    for (const Case& c : cases) {
        SeedRandom(c.seed);
        KG_Wechselgeld_Game game(0);
        ASSERT_EQ(game.Price(), c.price);
        EXPECT_EQ(CentsOf(game.PaymentTray()), c.payment) << c.price;
    }

    // A payment that reaches the price before its last piece still gets a
    // random last piece: the change is never 0.
    SeedRandom(kSeedOfAnEarlyPayment);
    KG_Wechselgeld_Game early(2);
    const std::vector<int> payment = CentsOf(early.PaymentTray());
    ASSERT_EQ(payment.size(), 6u);
    int firstFive = 0;
    for (int i = 0; i < 5; ++i) {
        firstFive += payment[i];
    }
    ASSERT_GE(firstFive, early.Price());
    EXPECT_GT(early.Paid(), early.Price());
}

TEST_F(WechselgeldTest, DraggedPiecesAreNeverLost) {
    SeedRandom(3);
    KG_Wechselgeld_Game game(0);
    int trayX = 0;
    int trayY = 0;
    ChangeTrayCentre(game, trayX, trayY);
    const MoneyStack& fifty = StackOf(game, 50);
    const int stackX = static_cast<int>(fifty.X());
    const int stackY = static_cast<int>(fifty.Y());

    // Nothing can be picked up in the countdown.
    game.OnLeftButtonDown(stackX, stackY);
    EXPECT_EQ(game.DraggedFromStack(), nullptr);
    game.StartGame();

    // From a stack into the change tray, where it lands at the drop point.
    game.OnLeftButtonDown(stackX, stackY);
    ASSERT_NE(game.DraggedFromStack(), nullptr);
    EXPECT_EQ(game.DraggedFromStack()->Cents(), 50);
    EXPECT_TRUE(game.DraggedFromStack()->FromStack());
    game.OnMouseMove(trayX, trayY);
    RunFrames(game, 1, 1.0, 1.0);
    EXPECT_EQ(game.DraggedFromStack()->X(), trayX);  // a slow frame puts it there, no further
    game.OnLeftButtonUp(trayX, trayY);
    EXPECT_EQ(CentsOf(game.ChangeTray()), std::vector<int>{50});

    // Out of the change tray and dropped outside it: it flies back to its
    // stack and vanishes once within 10 pixels of it.
    game.OnLeftButtonDown(trayX, trayY);
    ASSERT_NE(game.DraggedFromStack(), nullptr);
    EXPECT_TRUE(game.ChangeTray().Pieces().empty());
    game.OnLeftButtonUp(trayX, 300);
    EXPECT_EQ(game.DraggedFromStack(), nullptr);
    ASSERT_EQ(fifty.Flying().size(), 1u);
    int frames = 0;
    while (!fifty.Flying().empty() && frames < 100) {
        const MoneyPiece& flying = *fifty.Flying().front();
        EXPECT_GT(std::hypot(flying.X() - fifty.X(), flying.Y() - fifty.Y()), MoneyPiece::kArrivedDistance);
        RunFrames(game, 1, 0.02, 0.02);
        ++frames;
    }
    EXPECT_TRUE(fifty.Flying().empty());
    EXPECT_GT(frames, 3);

    // A press while a piece is still held (its release went to the pause
    // page) first sends that piece back.
    game.OnLeftButtonDown(stackX, stackY);
    game.OnLeftButtonDown(stackX, stackY);
    EXPECT_EQ(fifty.Flying().size(), 1u);
    ASSERT_NE(game.DraggedFromStack(), nullptr);

    // While paused a press only returns the held piece; a release still ends a drag.
    game.SetState(Knobel_Game::STATE_PAUSED);
    game.OnLeftButtonDown(stackX, stackY);
    EXPECT_EQ(game.DraggedFromStack(), nullptr);
    EXPECT_EQ(fifty.Flying().size(), 2u);
    game.SetState(Knobel_Game::STATE_RUNNING);
    game.OnLeftButtonDown(stackX, stackY);
    game.SetState(Knobel_Game::STATE_PAUSED);
    game.OnLeftButtonUp(trayX, trayY);
    EXPECT_EQ(game.DraggedFromStack(), nullptr);
    EXPECT_EQ(CentsOf(game.ChangeTray()), std::vector<int>{50});
    game.SetState(Knobel_Game::STATE_RUNNING);

    // A price piece moves within its tray: at the drop point inside it, at a
    // random point of it when dropped outside, and back when a press comes first.
    const std::vector<int> price = CentsOf(game.PriceTray());
    for (const int dropY : {200, 700, -1}) {
        const MoneyPiece& top = *game.PriceTray().Pieces().back();
        const int x = static_cast<int>(top.X());
        const int y = static_cast<int>(top.Y());
        game.OnLeftButtonDown(x, y);
        ASSERT_NE(game.DraggedFromPrice(), nullptr);
        EXPECT_EQ(game.PriceTray().Pieces().size(), price.size() - 1);
        if (dropY < 0) {
            game.OnLeftButtonDown(512, 384);
        } else {
            game.OnLeftButtonUp(200, dropY);
        }
        EXPECT_EQ(game.DraggedFromPrice(), nullptr);
        ASSERT_EQ(game.PriceTray().Pieces().size(), price.size());
        const MoneyPiece& dropped = *game.PriceTray().Pieces().back();
        EXPECT_TRUE(game.PriceTray().HitTest(dropped.TargetX(), dropped.TargetY()));
        if (dropY == 200) {
            EXPECT_EQ(dropped.TargetX(), 200.0f);
            EXPECT_EQ(dropped.TargetY(), 200.0f);
        }
        RunFrames(game, 1, 1.0, 1.0);
    }
    EXPECT_EQ(game.PriceTray().Sum(), game.Price());

    // The payment likewise.
    const MoneyPiece& paid = *game.PaymentTray().Pieces().back();
    game.OnLeftButtonDown(static_cast<int>(paid.X()), static_cast<int>(paid.Y()));
    ASSERT_NE(game.DraggedFromPayment(), nullptr);
    game.OnLeftButtonUp(10, 10);
    EXPECT_EQ(game.PaymentTray().Sum(), game.Paid());
}

TEST_F(WechselgeldTest, TheButtonCountsExactChangeAndChangeInTheFewestPieces) {
    struct Case {
        const char* name;
        int extraCents;     // added to the exact change
        bool splitLargest;  // the largest greedy piece laid as smaller ones
        int right;
        int optimal;
    };
    const Case cases[] = {
        {"greedy", 0, false, 1, 1},
        {"exact in more pieces", 0, true, 1, 0},
        {"one cent too much", 1, false, 0, 0},
        {"one cent too little", -1, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRandom(1);
        KG_Wechselgeld_Game game(0);
        game.StartGame();
        ASSERT_GE(game.Paid() - game.Price(), 2);  // a change that can be split
        const int change = game.Paid() - game.Price() + c.extraCents;
        std::vector<int> pieces = KG_Wechselgeld_Game::FewestPieces(change, 8);
        if (c.splitLargest) {
            pieces = SplitLargest(pieces);
        }
        LayChange(game, pieces);

        // Not while a piece is held, nor while paused.
        const MoneyStack& cent = StackOf(game, 1);
        game.OnLeftButtonDown(static_cast<int>(cent.X()), static_cast<int>(cent.Y()));
        game.OnMouseMove(512, 384);
        ClickButton(game);
        EXPECT_EQ(game.TasksDone(), 0);
        game.OnLeftButtonDown(static_cast<int>(cent.X()), static_cast<int>(cent.Y()));  // sends the coin home
        game.OnLeftButtonUp(static_cast<int>(cent.X()), static_cast<int>(cent.Y()));
        game.SetState(Knobel_Game::STATE_PAUSED);
        ClickButton(game);
        EXPECT_EQ(game.TasksDone(), 0);
        game.SetState(Knobel_Game::STATE_RUNNING);

        ClickButton(game);
        EXPECT_EQ(game.TasksDone(), 1);
        EXPECT_EQ(game.Right(), c.right);
        EXPECT_EQ(game.Optimal(), c.optimal);
        // A new task: fresh trays, the change tray empty.
        EXPECT_TRUE(game.ChangeTray().Pieces().empty());
        EXPECT_EQ(game.PriceTray().Sum(), game.Price());
        EXPECT_GT(game.Paid(), game.Price());
    }

    // 63 cents as 20 + 20 + 20 + 2 + 1 is right, but not in the fewest pieces.
    SeedRandom(kSeedOfPrice137);
    KG_Wechselgeld_Game game(0);
    game.StartGame();
    ASSERT_EQ(game.Paid() - game.Price(), 63);
    LayChange(game, {20, 20, 20, 2, 1});
    ClickButton(game);
    EXPECT_EQ(game.Right(), 1);
    EXPECT_EQ(game.Optimal(), 0);
}

TEST_F(WechselgeldTest, TheGradeWeighsWrongChangeExtraPiecesAndTime) {
    // Level 2, five tasks: each laid as given ("g" greedy, "s" the largest
    // piece split, "w" a cent short), then the play ends or is ended.
    struct Case {
        const char* tasks;
        double seconds;
        bool endEarly;
        double grade;
        const char* result;
    };
    const Case cases[] = {
        {"ggggg", 60.0, false, 1.5, " Time 1:00\n Right 5 of 5\n Fewest 5 of 5\n\n Grade 1.50"},
        {"gggsw", 120.0, false, 3.4, " Time 2:00\n Right 4 of 5\n Fewest 3 of 5\n\n Grade 3.40"},
        {"gw", 40.0, true, 4.0, " Time 0:40\n Right 1 of 5\n Fewest 1 of 5\n\n Grade 4.00"},
        {"wwwww", 600.0, false, 6.0, " Time 10:00\n Right 0 of 5\n Fewest 0 of 5\n\n Grade 6.00"},
        {"", 10.0, true, 6.0, " Time 0:10\n Right 0 of 5\n Fewest 0 of 5\n\n Grade 6.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tasks);
        SeedRandom(17);
        KG_Wechselgeld_Game game(2);
        game.StartGame();
        RunFrames(game, 1, c.seconds, c.seconds);
        for (const char* task = c.tasks; *task != '\0'; ++task) {
            const int change = game.Paid() - game.Price() - (*task == 'w' ? 1 : 0);
            std::vector<int> pieces = KG_Wechselgeld_Game::FewestPieces(change, 15);
            if (*task == 's') {
                pieces = SplitLargest(pieces);
            }
            LayChange(game, pieces);
            ClickButton(game);
        }
        EXPECT_EQ(game.GetState(), c.endEarly ? Knobel_Game::STATE_RUNNING : Knobel_Game::STATE_FINISHED);
        if (c.endEarly) {
            game.SetState(Knobel_Game::STATE_ABORTED);
        }
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9);
        EXPECT_EQ(game.GetResultText(), c.result);
    }
}

}  // namespace
