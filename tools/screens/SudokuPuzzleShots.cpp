#include <gtest/gtest.h>

#include <string>

#include "app/Random.h"
#include "games/numbers/KG_Schiebe_Puzzle.h"
#include "games/numbers/KG_Sudoku9x9.h"
#include "support/ScreenFixture.h"

namespace {

// Both games mid-play with the archive and fonts of the build, drawn over an
// in-game background as the menu hosts them, written to screens/ for a look.
class SudokuPuzzleShots : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        // The main menu's first font, which the Sudoku digits are drawn with.
        GetTextRenderer()->AddFont("Comic Sans MS", 30);
    }

    void Frame(Knobel_Game& game, double frameTime, double rawFrameTime) {
        app->frameTime = frameTime;
        app->rawFrameTime = rawFrameTime;
        game.Update();
    }

    void Shoot(Knobel_Game& game, const std::string& name) { ShootGame(game, name); }
};

TEST_F(SudokuPuzzleShots, SudokuMidPlay) {
    KG_Sudoku9x9 game(1);
    game.StartGame();
    Frame(game, 65.0, 65.0);
    // A clash with the first given digit of a hole's row, then another hole selected.
    int typed = 0;
    const SudokuCell* selected = nullptr;
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            SudokuCell& cell = game.Cell(c, r);
            if (cell.GetFixed()) {
                continue;
            }
            game.OnLeftButtonUp(static_cast<int>(cell.X()) + 25, static_cast<int>(cell.Y()) + 25);
            if (typed == 0) {
                for (int other = 0; other < 9; ++other) {
                    if (game.Cell(other, r).GetFixed()) {
                        game.OnKeyUp(static_cast<uint16_t>('0' + game.Cell(other, r).GetValue()));
                        break;
                    }
                }
            }
            ++typed;
            if (typed == 2) {
                selected = &cell;
            }
        }
    }
    game.OnLeftButtonUp(static_cast<int>(selected->X()) + 25, static_cast<int>(selected->Y()) + 25);
    Shoot(game, "sudoku.png");
}

TEST_F(SudokuPuzzleShots, SlidingPuzzleMidPlay) {
    SeedRandom(2024);
    KG_Schiebe_Puzzle game(1);
    game.StartGame();
    Frame(game, 42.0, 1.0);
    // Slide the tile left of (or right of) the gap and catch it half-way.
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            if (game.PlayingTile(i, j).IsEmpty()) {
                const int column = i > 0 ? i - 1 : i + 1;
                const PuzzleTile& tile = game.PlayingTile(column, j);
                game.OnLeftButtonUp(static_cast<int>(tile.X()) + 10, static_cast<int>(tile.Y()) + 10);
            }
        }
    }
    Frame(game, 0.0, 0.1);
    Shoot(game, "puzzle.png");
}

}  // namespace
