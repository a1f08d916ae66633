#pragma once

#include <gtest/gtest.h>

#include "games/base/Knobel_Game.h"
#include "support/GameFixture.h"

// The set-up the Sudoku and sliding puzzle tests share: the common game
// fixture with the texts of both games in plain formats.
class SudokuPuzzleFixture : public GameFixture {
protected:
    SudokuPuzzleFixture()
        : GameFixture(
              "ANZ_TEXTE: 80 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 27 Moves %d|<TEXT_START> 28 Invalid %d|"
              "<TEXT_START> 29 Shuffled %d|<TEXT_START> 40 Mistakes %d|<TEXT_START> 41 Per move %.1f|"
              "<TEXT_START> 50 Grade %.2f|<TEXT_START> 63 %d:%02d|") {}
    // One frame of the main loop: frameTime counts for the clocks, rawFrameTime
    // moves the gliding tiles.
    void Frame(Knobel_Game& game, double frameTime, double rawFrameTime) {
        RunFrames(game, 1, frameTime, rawFrameTime);
    }
};
