// Shots of the code-breaking game and the hidden atoms game, in both
// languages: mid-play, the end with the code or the atoms shown, the result
// page, and the atoms game's own help page.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/Random.h"
#include "games/puzzles/KG_MMaster.h"
#include "games/puzzles/KG_Ordo.h"
#include "menu/MainMenu.h"
#include "DriverShots.h"

namespace {

constexpr int kMMasterIndex = 7;
constexpr int kOrdoIndex = 8;
constexpr int kHelpKey = 72;

// Picks up a palette peg of the colour and drops it at (x, y).
void Carry(ScreenDriver& driver, KG_MMaster& game, int colour, float x, float y) {
    for (const auto& peg : game.Palette()) {
        if (peg->Colour() == colour) {
            game.OnLeftButtonDown(static_cast<int>(peg->X()), static_cast<int>(peg->Y()));
            game.OnMouseMove(static_cast<int>(x), static_cast<int>(y));
            game.OnLeftButtonUp(static_cast<int>(x), static_cast<int>(y));
            driver.RunFor(0.3);
            return;
        }
    }
}

void GuessRow(ScreenDriver& driver, KG_MMaster& game, const std::vector<int>& colours) {
    const int row = game.CurrentRow();
    for (size_t k = 0; k < colours.size(); ++k) {
        const PegHole& hole = game.Hole(row, static_cast<int>(k));
        Carry(driver, game, colours[k], hole.X(), hole.Y());
    }
    const PegScore& score = game.Score(row);
    game.OnLeftButtonDown(static_cast<int>(score.X()), static_cast<int>(score.Y()));
    game.OnLeftButtonUp(static_cast<int>(score.X()), static_cast<int>(score.Y()));
    driver.RunFor(0.3);
}

class CodeAndAtomsShots : public DriverShots {
protected:
    Knobel_Game& Launch(int index, int level) {
        SeedRandom(4711);
        return DriverShots::Launch(index, level, 0.5);
    }

    void Shoot(const std::string& name) {
        EXPECT_TRUE(driver->Screenshot("screens/" + name + "_" + Language() + ".png"));
    }
};

TEST_P(CodeAndAtomsShots, CodeBreaking) {
    for (const int level : {0, 2}) {
        auto& game = static_cast<KG_MMaster&>(Launch(kMMasterIndex, level));
        std::vector<int> code;
        for (int k = 0; k < game.CodeLength(); ++k) {
            code.push_back(game.CodeColour(k));
        }
        std::vector<int> turned = code;
        std::rotate(turned.begin(), turned.begin() + 1, turned.end());
        std::vector<int> near = code;
        near[0] = (near[0] + 1) % 6;
        GuessRow(*driver, game, std::vector<int>(code.size(), code[1]));
        GuessRow(*driver, game, turned);
        GuessRow(*driver, game, near);
        // Two pegs in the next row and one on its way there.
        const int row = game.CurrentRow();
        Carry(*driver, game, 3, game.Hole(row, 0).X(), game.Hole(row, 0).Y());
        Carry(*driver, game, 5, game.Hole(row, 2).X(), game.Hole(row, 2).Y());
        const Peg* peg = game.Palette().front().get();
        game.OnLeftButtonDown(static_cast<int>(peg->X()), static_cast<int>(peg->Y()));
        game.OnMouseMove(static_cast<int>(peg->X()) + 60, static_cast<int>(peg->Y()) - 140);
        driver->RunFor(0.5);
        Shoot("mmaster_play_level" + std::to_string(level));
        game.OnLeftButtonUp(40, 40);
        driver->RunFor(0.3);
        for (int k = 0; k < game.CodeLength(); ++k) {
            game.OnLeftButtonDown(static_cast<int>(game.Hole(row, k).X()), static_cast<int>(game.Hole(row, k).Y()));
            game.OnLeftButtonUp(40, 40);
        }
        driver->RunFor(0.3);
        GuessRow(*driver, game, code);
        driver->RunFor(0.5);
        Shoot("mmaster_end_level" + std::to_string(level));
        driver->RunFor(4.0);
        Shoot("mmaster_result_level" + std::to_string(level));
    }
}

TEST_P(CodeAndAtomsShots, HiddenAtoms) {
    auto& game = static_cast<KG_Ordo&>(Launch(kOrdoIndex, 0));
    const auto clickLamp = [&](int column, int row) {
        const RayLamp& lamp = game.Lamp(KG_Ordo::LampAt(column, row));
        game.OnLeftButtonDown(static_cast<int>(lamp.x), static_cast<int>(lamp.y));
    };
    const auto clickCell = [&](int column, int row) {
        game.OnLeftButtonDown(static_cast<int>(game.CellX(column)), static_cast<int>(game.CellY(row)));
    };
    for (int k = 0; k < 8; k += 2) {
        clickLamp(-1, k);
        clickLamp(k, -1);
        clickLamp(8, k + 1);
    }
    int marked = 0;
    for (int i = 0; i < kBoardSize && marked < 3; ++i) {
        for (int j = 0; j < kBoardSize && marked < 3; ++j) {
            if (game.HasAtom(i, j)) {
                clickCell(i, j);
                ++marked;
            }
        }
    }
    clickCell(6, 6);
    driver->RunFor(0.5);
    Shoot("ordo_play");

    driver->PressKey(kHelpKey);
    driver->RunFor(0.5);
    Shoot("ordo_help");
    driver->PressKey(kHelpKey);
    driver->RunFor(0.5);

    const int x = 512;
    const int y = 768 - 50;
    game.OnLeftButtonUp(x, y);
    driver->RunFor(1.0);
    Shoot("ordo_end");
    driver->RunFor(6.0);
    Shoot("ordo_result");
}

INSTANTIATE_TEST_SUITE_P(Language, CodeAndAtomsShots, ::testing::Values(0, 1));

}  // namespace
