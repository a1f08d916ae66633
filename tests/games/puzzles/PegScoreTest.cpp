#include "games/puzzles/PegScore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The score pegs that show (placeholders are invisible), after they settled.
std::vector<const Peg*> Shown(PegScore& score) {
    score.Glide(10.0);
    std::vector<const Peg*> shown;
    for (const auto& peg : score.Pegs()) {
        if (peg->Colour() != Peg::kEmpty) {
            shown.push_back(peg.get());
        }
    }
    return shown;
}

// Every shown peg lies inside the 50-pixel box and clear of every other one,
// so that five black pegs never read as four.
void ExpectApartInTheBox(PegScore& score, size_t count) {
    const std::vector<const Peg*> shown = Shown(score);
    ASSERT_EQ(shown.size(), count);
    for (size_t i = 0; i < shown.size(); ++i) {
        const Peg& peg = *shown[i];
        EXPECT_LE(std::fabs(peg.X() - score.X()) + peg.Side() / 2, 25.0f) << i;
        EXPECT_LE(std::fabs(peg.Y() - score.Y()) + peg.Side() / 2, 25.0f) << i;
        for (size_t j = 0; j < i; ++j) {
            const float distance = std::hypot(peg.X() - shown[j]->X(), peg.Y() - shown[j]->Y());
            EXPECT_GE(distance, (peg.Side() + shown[j]->Side()) / 2) << i << " and " << j;
        }
    }
}

TEST(PegScoreTest, FiveScorePegsLieApartInsideTheirBoxInEitherOrder) {
    PegScore inFront(100.0f, 200.0f);
    for (int i = 0; i < 5; ++i) {
        if (i < 3) {
            inFront.AddBlack(-1);
        } else {
            inFront.AddWhite(-1);
        }
    }
    ExpectApartInTheBox(inFront, 5);

    PegScore byPlace(100.0f, 200.0f);
    for (const int place : {4, 0, 2}) {
        byPlace.AddBlack(place);
    }
    ExpectApartInTheBox(byPlace, 3);
    EXPECT_EQ(byPlace.Blacks(), 3);
}

}  // namespace
