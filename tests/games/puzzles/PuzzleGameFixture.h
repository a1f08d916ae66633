#pragma once

#include "games/base/Knobel_Game.h"
#include "support/GameFixture.h"

// The set-up the code-breaking and atoms tests share: the common game fixture
// with the texts of both games in plain formats.
class PuzzleGameFixture : public GameFixture {
protected:
    // A frame length that binary fractions hold exactly; long enough that a
    // gliding peg arrives within the frame.
    static constexpr double kFrame = 0.125;
    PuzzleGameFixture()
        : GameFixture(
              "ANZ_TEXTE: 140 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 50 Grade %.2f|<TEXT_START> 63 %d:%02d|"
              "<TEXT_START> 132 Atoms %d marks %d|<TEXT_START> 133 Check|") {}
    // Frames of kFrame seconds, for the game clocks as for the gliding.
    void Frames(Knobel_Game& game, int count) { RunFrames(game, count, kFrame, kFrame); }
};
