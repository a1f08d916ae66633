#include "PairsGameFixture.h"

namespace {

// The texts of the pairs games; each is stored behind one blank.
const char* const kTexts =
    "ANZ_TEXTE: 80 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 23 Wrong pairs %d|<TEXT_START> 24 Turns %d|"
    "<TEXT_START> 50 Grade %.2f|<TEXT_START> 63 Time: %d:%02d|";

}  // namespace

PairsGameFixture::PairsGameFixture() : GameFixture(kTexts) {}

void PairsGameFixture::Frames(PairsGame& game, int count, double seconds) {
    RunFrames(game, count, seconds, seconds);
}
