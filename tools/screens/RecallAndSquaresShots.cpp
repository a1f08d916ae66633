// The sequence game and the two square games as the player sees them, hosted
// by the real menu, in German and English: screens/recall-*.png, squares-*.png
// and adding-*.png, mid-play and on the result page.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Random.h"
#include "games/memory/KG_Gedaechtnis.h"
#include "games/memory/KG_Quadrat_addieren.h"
#include "games/memory/KG_Quadrat_merken.h"
#include "menu/MainMenu.h"
#include "DriverShots.h"

namespace {

constexpr int kSequenceGame = 4;
constexpr int kRecallGame = 9;
constexpr int kAddingGame = 10;

class RecallAndSquaresShots : public DriverShots {
protected:
    template <typename GameType>
    GameType& Launch(int index, int level) {
        SeedRandom(42);
        return dynamic_cast<GameType&>(DriverShots::Launch(index, level));
    }

    void Shoot(const std::string& name) { driver->Screenshot("screens/" + name + "-" + Language() + ".png"); }

    void ShootResult(const std::string& name) {
        driver->RunFor(MainMenu::kEndDelaySeconds + 0.5);
        Shoot(name);
    }

    void ClickAt(Vec2 point) { driver->Click(static_cast<int>(point.x), static_cast<int>(point.y)); }
    // Inside a square, a little off its top-left corner.
    void ClickAt(const GridSquare& square) { ClickAt(Vec2{square.Position().x + 5, square.Position().y + 5}); }
};

TEST_P(RecallAndSquaresShots, SequenceGame) {
    auto& game = Launch<KG_Gedächtnis>(kSequenceGame, 0);
    driver->RunFor(1.5);
    Shoot("recall-showing");
    while (game.IsShowing()) {
        driver->Frame();
    }
    ClickAt(game.Symbol(game.Sequence()[0]).Centre());
    driver->RunFor(0.3);
    Shoot("recall-turn");
    const int wrong = (game.Sequence()[1] + 1) % game.SymbolCount();
    ClickAt(game.Symbol(wrong).Centre());
    ShootResult("recall-result");
}

TEST_P(RecallAndSquaresShots, SquareRecallGame) {
    auto& game = Launch<KG_Quadrat_merken>(kRecallGame, 2);
    driver->RunFor(1.0);
    Shoot("squares-showing");
    while (game.IsShowing()) {
        driver->Frame();
    }
    const SquareGrid& first = game.Pattern(0);
    for (int i = 0; i < first.Count(); i += 2) {
        if (first.Square(i).IsLit()) {
            ClickAt(game.Answer(0).Square(i));
        }
    }
    driver->Frame();
    Shoot("squares-turn");
    while (game.GetState() == Knobel_Game::STATE_RUNNING) {
        driver->PressKey(13);
    }
    ShootResult("squares-result");
}

TEST_P(RecallAndSquaresShots, SquareAddingGame) {
    auto& game = Launch<KG_Quadrat_addieren>(kAddingGame, 1);
    Shoot("adding-choosing");
    ClickAt(game.Answer(game.SumIndex()).Square(0));
    driver->Frame();
    Shoot("adding-answered");
    for (int task = 1; task < KG_Quadrat_addieren::kRounds; ++task) {
        driver->RunFor(1.1);
        const int j = task % 3 == 0 ? (game.SumIndex() + 1) % 4 : game.SumIndex();
        ClickAt(game.Answer(j).Square(0));
    }
    driver->RunFor(1.1);
    ShootResult("adding-result");
}

INSTANTIATE_TEST_SUITE_P(Languages, RecallAndSquaresShots, ::testing::Values(0, 1));

}  // namespace
