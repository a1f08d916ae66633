#include "games/numbers/KG_Wechselgeld_Game.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
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

// Drags a piece of the value from its stack into the change tray, dropping it at (x, y).
void LayChangeAt(KG_Wechselgeld_Game& game, int cents, int x, int y) {
    PressOn(game, StackOf(game, cents));
    game.OnMouseMove(x, y);
    game.OnLeftButtonUp(x, y);
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

    // The name of the last sprite of the frame drawn over the point.
    std::string TopmostSpriteAt(float x, float y) const {
        std::string name;
        for (const RecordingRenderer::Sprite& sprite : renderer->sprites) {
            if (sprite.Covers(x, y)) name = sprite.name;
        }
        return name;
    }
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

// The player adds up the price and the payment: every piece of them lies in
// its tray's area, on no other piece and off the names; the trays, the check
// button and the supply's stacks all lie on the screen, none on another.
TEST_F(WechselgeldTest, EveryValueShowsAndNothingLeavesTheScreen) {
    const ScreenBox screen{0.0f, 0.0f, 1024.0f, 768.0f};
    for (int level = 0; level < 3; ++level) {
        for (uint32_t seed = 1; seed <= 25; ++seed) {
            SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
            SeedRandom(seed);
            KG_Wechselgeld_Game game(level);
            std::vector<std::pair<std::string, ScreenBox>> parts = {{"button", game.ButtonBox()}};
            const std::pair<const char*, const MoneyTray*> trays[] = {
                {"price", &game.PriceTray()}, {"payment", &game.PaymentTray()}, {"change", &game.ChangeTray()}};
            for (const auto& [name, tray] : trays) {
                SCOPED_TRACE(name);
                parts.push_back({name, tray->Box()});
                EXPECT_TRUE(tray->NameBand().Inside(tray->Box()));
                EXPECT_TRUE(tray->PieceArea().Inside(tray->Box()));
                EXPECT_FALSE(tray->NameBand().Overlaps(tray->PieceArea()));
                const auto& pieces = tray->Pieces();
                for (size_t i = 0; i < pieces.size(); ++i) {
                    EXPECT_TRUE(pieces[i]->Bounds().Inside(tray->PieceArea())) << pieces[i]->Cents();
                    for (size_t j = i + 1; j < pieces.size(); ++j) {
                        EXPECT_FALSE(pieces[i]->Bounds().Overlaps(pieces[j]->Bounds()))
                            << pieces[i]->Cents() << " and " << pieces[j]->Cents();
                    }
                }
            }
            for (const MoneyStack& stack : game.Stacks()) {
                parts.push_back({"stack " + std::to_string(stack.Cents()), stack.Bounds()});
            }
            for (size_t i = 0; i < parts.size(); ++i) {
                EXPECT_TRUE(parts[i].second.Inside(screen)) << parts[i].first;
                for (size_t j = i + 1; j < parts.size(); ++j) {
                    EXPECT_FALSE(parts[i].second.Overlaps(parts[j].second))
                        << parts[i].first << " / " << parts[j].first;
                }
            }
        }
    }
}

// Wherever the player drops change, on the tray's name plate or its edges
// included, it lands wholly on the felt: the name stays readable.
TEST_F(WechselgeldTest, ChangeLandsOnTheFeltOffTheName) {
    SeedRandom(3);
    KG_Wechselgeld_Game game(2);
    game.StartGame();
    const MoneyTray& tray = game.ChangeTray();
    const ScreenBox box = tray.Box();
    const ScreenBox band = tray.NameBand();
    const struct { float x, y; } drops[] = {{band.CentreX(), band.CentreY()}, {box.left, box.top},
                                             {box.right, box.bottom}, {box.left, box.bottom},
                                             {box.right, band.bottom + 2}, {box.CentreX(), box.CentreY()}};
    for (const int cents : {1, 200, 500, 50000}) {
        for (const auto& drop : drops) LayChangeAt(game, cents, static_cast<int>(drop.x), static_cast<int>(drop.y));
    }
    RunFrames(game, 1, 1.0, 1.0);
    ASSERT_EQ(tray.Pieces().size(), 4 * std::size(drops));
    for (const auto& piece : tray.Pieces()) {
        EXPECT_TRUE(piece->Bounds().Inside(tray.PieceArea())) << piece->Cents();
        EXPECT_FALSE(piece->Bounds().Overlaps(band)) << piece->Cents();
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
    // A price piece stays in its tray: at the drop point inside it, back where
    // it lay otherwise, also when a press comes first.
    for (const int dropY : {200, 700, -1}) {
        const MoneyPiece& top = *game.PriceTray().Pieces().back();
        const float fromX = top.TargetX();
        const float fromY = top.TargetY();
        game.OnLeftButtonDown(static_cast<int>(top.X()), static_cast<int>(top.Y()));
        ASSERT_NE(game.DraggedFromPrice(), nullptr);
        dropY < 0 ? game.OnLeftButtonDown(512, 384) : game.OnLeftButtonUp(200, dropY);
        EXPECT_EQ(game.PriceTray().Sum(), game.Price());
        const MoneyPiece& dropped = *game.PriceTray().Pieces().back();
        if (dropY == 200) {
            EXPECT_EQ(dropped.TargetY(), 200.0f);
        } else {
            EXPECT_EQ(dropped.TargetX(), fromX);
            EXPECT_EQ(dropped.TargetY(), fromY);
        }
        RunFrames(game, 1, 1.0, 1.0);
        EXPECT_TRUE(dropped.Bounds().Inside(game.PriceTray().PieceArea()));
    }
}

// A press acts on what is drawn under the pointer: a stack anywhere on its
// picture, the piece drawn on top where pieces in the cash tray lie on each
// other, and the check button, which no tray reaches under.
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
    for (const MoneyStack& stack : game.Stacks()) {
        const ScreenBox box = stack.Bounds();
        EXPECT_EQ(taken(box.left + 1, box.top + 1), stack.Cents()) << "its top left";
        EXPECT_EQ(taken(box.right - 1, box.bottom - 1), stack.Cents()) << "its bottom right";
        EXPECT_EQ(taken(box.left - 2, stack.Y()), 0) << "beside it " << stack.Cents();
    }
    // A 10-euro note laid half over a 2-euro coin: the note is drawn last.
    const ScreenBox area = game.ChangeTray().PieceArea();
    const int y = static_cast<int>(area.CentreY());
    LayChangeAt(game, 200, static_cast<int>(area.CentreX()), y);
    LayChangeAt(game, 1000, static_cast<int>(area.CentreX()) + 40, y);
    RunFrames(game, 1, 1.0, 1.0);
    game.Render();
    EXPECT_EQ(TopmostSpriteAt(area.CentreX() + 10, area.CentreY()), "note 1000");
    game.OnLeftButtonDown(static_cast<int>(area.CentreX()) + 10, y);
    ASSERT_NE(game.DraggedFromStack(), nullptr);
    EXPECT_EQ(game.DraggedFromStack()->Cents(), 1000);
    game.OnLeftButtonUp(static_cast<int>(area.CentreX()) + 40, y);
    // A coin dropped right under the button lands on the felt, clear of it,
    // and a press on the button checks the change.
    LayChangeAt(game, 200, 512, 424);
    RunFrames(game, 1, 1.0, 1.0);
    EXPECT_TRUE(game.ChangeTray().Pieces().back()->Bounds().Inside(area));
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
