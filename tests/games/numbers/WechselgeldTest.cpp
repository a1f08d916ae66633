#include "games/numbers/KG_Wechselgeld_Game.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Random.h"
#include "support/GameFixture.h"

namespace {

// A seed found by searching: a level-0 price of 137 cents, a change of 63.
constexpr uint32_t kSeedOfPrice137 = 38;

std::vector<int> CentsOf(const MoneyTray& tray) {
    std::vector<int> cents;
    for (const auto& piece : tray.Pieces()) cents.push_back(piece->Cents());
    return cents;
}

const MoneyStack& StackOf(const KG_Wechselgeld_Game& game, int cents) {
    for (const MoneyStack& stack : game.Stacks()) if (stack.Cents() == cents) return stack;
    ADD_FAILURE() << "no stack of " << cents;
    return game.Stacks().front();
}

void PressOn(KG_Wechselgeld_Game& game, const MoneyStack& stack) {
    game.OnLeftButtonDown(static_cast<int>(stack.X()), static_cast<int>(stack.Y()));
}

// Drags one piece of each value from its stack into the middle of the change tray.
void LayChange(KG_Wechselgeld_Game& game, const std::vector<int>& pieces) {
    const MoneyTray& tray = game.ChangeTray();
    const int x = static_cast<int>((tray.Left() + tray.Right()) / 2);
    const int y = static_cast<int>((tray.Top() + tray.Bottom()) / 2);
    for (const int cents : pieces) {
        PressOn(game, StackOf(game, cents));
        game.OnMouseMove(x, y);
        game.OnLeftButtonUp(x, y);
    }
}

// The change with its largest piece laid as smaller ones: exact, but not in
// the fewest pieces.
std::vector<int> SplitLargest(std::vector<int> pieces) {
    int smaller = 0;
    while (kDenominations[smaller] < pieces.front()) ++smaller;
    const std::vector<int> parts = KG_Wechselgeld_Game::FewestPieces(pieces.front(), smaller);
    pieces.erase(pieces.begin());
    pieces.insert(pieces.end(), parts.begin(), parts.end());
    return pieces;
}

void ClickButton(KG_Wechselgeld_Game& game) { game.OnLeftButtonUp(512, 384); }

class WechselgeldTest : public GameFixture {
protected:
    WechselgeldTest()
        : GameFixture(
              "ANZ_TEXTE: 150 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 50 Grade %.2f|"
              "<TEXT_START> 142 Right %d of %d|<TEXT_START> 143 Fewest %d of %d|") {}
};

TEST_F(WechselgeldTest, TheGreedyDecompositionTakesTheLargestPieceThatFitsEachTime) {
    // used: the denominations in use (no notes at level 0)
    const struct { int cents, used; std::vector<int> pieces; } cases[] = {
        {0, 8, {}}, {63, 8, {50, 10, 2, 1}}, {388, 8, {200, 100, 50, 20, 10, 5, 2, 1}},
        {1880, 12, {1000, 500, 200, 100, 50, 20, 10}}, {70000, 15, {50000, 20000}},
        {1200, 8, {200, 200, 200, 200, 200, 200}}};
    for (const auto& c : cases) EXPECT_EQ(KG_Wechselgeld_Game::FewestPieces(c.cents, c.used), c.pieces) << c.cents;
}

TEST_F(WechselgeldTest, EachLevelPaysMoreThanThePriceWithPiecesOfItsDenominations) {
    const int denominations[] = {8, 12, 15};
    for (int level = 0; level < 3; ++level) {
        for (uint32_t seed = 1; seed <= 15; ++seed) {
            SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
            SeedRandom(seed);
            KG_Wechselgeld_Game game(level);
            // One unlimited stack per denomination in use, from the smallest.
            ASSERT_EQ(static_cast<int>(game.Stacks().size()), denominations[level]);
            for (int k = 0; k < denominations[level]; ++k) {
                EXPECT_EQ(game.Stacks()[k].Cents(), kDenominations[k]);
                EXPECT_EQ(game.Stacks()[k].Count(), MoneyStack::kUnlimited);
            }
            for (const MoneyTray* tray : {&game.PriceTray(), &game.PaymentTray()}) {
                for (const auto& piece : tray->Pieces()) {
                    EXPECT_LE(piece->Cents(), kDenominations[denominations[level] - 1]);
                    EXPECT_TRUE(tray->HitTest(piece->X(), piece->Y()));
                }
            }
            EXPECT_EQ(game.PriceTray().Sum(), game.Price());
            EXPECT_EQ(game.PaymentTray().Sum(), game.Paid());
            EXPECT_GT(game.Paid(), game.Price());
        }
    }
}

TEST_F(WechselgeldTest, DraggedPiecesAreNeverLost) {
    SeedRandom(3);
    KG_Wechselgeld_Game game(0);
    const MoneyStack& fifty = StackOf(game, 50);
    game.StartGame();
    // Into the change tray.
    LayChange(game, {50});
    const MoneyPiece& laid = *game.ChangeTray().Pieces().at(0);
    RunFrames(game, 1, 1.0, 1.0);
    // Out again and dropped outside: it flies home and vanishes there.
    game.OnLeftButtonDown(static_cast<int>(laid.X()), static_cast<int>(laid.Y()));
    game.OnLeftButtonUp(512, 300);
    EXPECT_TRUE(game.ChangeTray().Pieces().empty());
    ASSERT_EQ(fifty.Flying().size(), 1u);
    for (int frame = 0; frame < 100 && !fifty.Flying().empty(); ++frame) RunFrames(game, 1, 0.02, 0.02);
    EXPECT_TRUE(fifty.Flying().empty());
    // A press while a piece is held (its release went to the pause page) sends
    // that piece home first, also in the pause; a release in the pause still lands.
    PressOn(game, fifty);
    PressOn(game, fifty);
    EXPECT_EQ(fifty.Flying().size(), 1u);
    game.SetState(Knobel_Game::STATE_PAUSED);
    PressOn(game, fifty);
    EXPECT_EQ(game.DraggedFromStack(), nullptr);
    EXPECT_EQ(fifty.Flying().size(), 2u);
    game.SetState(Knobel_Game::STATE_RUNNING);
    PressOn(game, fifty);
    game.SetState(Knobel_Game::STATE_PAUSED);
    game.OnLeftButtonUp(512, 500);
    EXPECT_EQ(CentsOf(game.ChangeTray()), std::vector<int>{50});
    game.SetState(Knobel_Game::STATE_RUNNING);
    // A price piece stays in its tray: at the drop point inside it, at a
    // random point of it otherwise, also when a press comes first.
    for (const int dropY : {200, 700, -1}) {
        const MoneyPiece& top = *game.PriceTray().Pieces().back();
        game.OnLeftButtonDown(static_cast<int>(top.X()), static_cast<int>(top.Y()));
        ASSERT_NE(game.DraggedFromPrice(), nullptr);
        dropY < 0 ? game.OnLeftButtonDown(512, 384) : game.OnLeftButtonUp(200, dropY);
        EXPECT_EQ(game.PriceTray().Sum(), game.Price());
        const MoneyPiece& dropped = *game.PriceTray().Pieces().back();
        EXPECT_TRUE(game.PriceTray().HitTest(dropped.TargetX(), dropped.TargetY()));
        EXPECT_EQ(dropped.TargetY() == 200.0f, dropY == 200);
        RunFrames(game, 1, 1.0, 1.0);
    }
}

// A press acts on what is drawn under the pointer: a note anywhere on its
// visible picture (each stack lies over the one before it), and the check
// button also where a piece in the tray reaches under it.
TEST_F(WechselgeldTest, APressActsOnWhatIsDrawnUnderThePointer) {
    SeedRandom(3);
    KG_Wechselgeld_Game game(1);
    game.StartGame();
    const auto taken = [&](float x, float y) {
        game.OnLeftButtonDown(static_cast<int>(x), static_cast<int>(y));
        const int cents = game.DraggedFromStack() != nullptr ? game.DraggedFromStack()->Cents() : 0;
        game.OnLeftButtonUp(512, 100);
        return cents;
    };
    const MoneyStack& twenty = StackOf(game, 2000);
    const MoneyStack& fifty = StackOf(game, 5000);
    EXPECT_EQ(taken(fifty.X() + 50, fifty.Y()), 5000) << "the right of the note";
    EXPECT_EQ(taken(twenty.X() + 40, twenty.Y()), 2000) << "the visible part";
    EXPECT_EQ(taken(fifty.X() - 20, fifty.Y()), 5000) << "where it lies over the one before";
    // A coin laid at the top of the tray reaches up under the button.
    PressOn(game, StackOf(game, 200));
    game.OnMouseMove(512, 424);
    game.OnLeftButtonUp(512, 424);
    RunFrames(game, 1, 1.0, 1.0);
    ASSERT_TRUE(game.ChangeTray().Pieces().at(0)->HitTest(512, 395));
    game.OnLeftButtonDown(512, 395);
    game.OnLeftButtonUp(512, 395);
    EXPECT_EQ(game.TasksDone(), 1);
}

TEST_F(WechselgeldTest, TheButtonCountsExactChangeAndChangeInTheFewestPieces) {
    // extraCents: added to the exact change; split: the largest piece laid as smaller ones
    const struct { const char* name; int extraCents; bool split; int right, optimal; } cases[] = {
        {"greedy", 0, false, 1, 1}, {"exact in more pieces", 0, true, 1, 0},
        {"one cent too much", 1, false, 0, 0}, {"one cent too little", -1, false, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRandom(kSeedOfPrice137);
        KG_Wechselgeld_Game game(0);
        game.StartGame();
        const std::vector<int> pieces = KG_Wechselgeld_Game::FewestPieces(63 + c.extraCents, 8);
        LayChange(game, c.split ? SplitLargest(pieces) : pieces);
        // Not while a piece is held: that release only sends it home.
        PressOn(game, StackOf(game, 1));
        game.OnMouseMove(512, 384);
        ClickButton(game);
        EXPECT_EQ(game.TasksDone(), 0);
        ClickButton(game);
        EXPECT_EQ(game.TasksDone(), 1);
        EXPECT_EQ(game.Right(), c.right);
        EXPECT_EQ(game.Optimal(), c.optimal);
        EXPECT_TRUE(game.ChangeTray().Pieces().empty()) << "a new task";
    }
}

TEST_F(WechselgeldTest, TheGradeWeighsWrongChangeExtraPiecesAndTime) {
    // Level 2, five tasks, each laid as given ("g" greedy, "s" the largest
    // piece split, "w" a cent short); the play ends, or is ended, and then
    // grades no better than with the tasks left done wrong: 4 of 5 not right
    // and not in the fewest pieces, 0.8 x 3 + 1 + 0.8 x 2 and the time.
    const struct { const char* tasks; double seconds, grade; } cases[] = {
        {"ggggg", 60.0, 1.5}, {"gggsw", 120.0, 3.4}, {"g", 20.0, 5.0 + 20.0 / 120.0},
        {"gw", 40.0, 5.0 + 40.0 / 120.0}, {"wwwww", 600.0, 6.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tasks);
        SeedRandom(17);
        KG_Wechselgeld_Game game(2);
        game.StartGame();
        RunFrames(game, 1, c.seconds, c.seconds);
        for (const char* task = c.tasks; *task != '\0'; ++task) {
            const int change = game.Paid() - game.Price() - (*task == 'w' ? 1 : 0);
            const std::vector<int> pieces = KG_Wechselgeld_Game::FewestPieces(change, 15);
            LayChange(game, *task == 's' ? SplitLargest(pieces) : pieces);
            ClickButton(game);
        }
        const bool ended = game.GetState() == Knobel_Game::STATE_FINISHED;
        EXPECT_EQ(ended, std::string(c.tasks).size() == 5);
        if (!ended) game.SetState(Knobel_Game::STATE_ABORTED);
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9);
    }
}

}  // namespace
