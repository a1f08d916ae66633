#include "games/memory/KG_Memory.h"

#include <gtest/gtest.h>

#include "PairsGameFixture.h"

namespace {

using MemoryGameTest = PairsGameFixture;

// Where the cards lie is the round card layout's (see its test).
TEST_F(MemoryGameTest, EachLevelDealsItsPairsOfRoundCardsWithOneBack) {
    const int counts[] = {16, 24, 32};
    const double sizes[] = {110.0, 85.0, 75.0};
    for (int level = 0; level < 3; ++level) {
        KG_Memory game(level);
        ASSERT_EQ(game.CardCount(), counts[level]);
        EXPECT_EQ(game.OpenCards(), counts[level]);
        const int back = game.Card(0).BackDesign();
        EXPECT_TRUE(back >= 0 && back < 3);
        for (int i = 0; i < game.CardCount(); ++i) {
            EXPECT_EQ(game.Card(i).PairNumber(), i / 2);
            EXPECT_EQ(game.Card(i).Size(), sizes[level]);
            EXPECT_EQ(game.Card(i).BackDesign(), back);
            EXPECT_FALSE(game.Card(i).IsFaceUp());
        }
    }
}

TEST_F(MemoryGameTest, ARoundCardIsHitOnItsDiscOnly) {
    const MemoryCard card(0, Vec2{300.0f, 200.0f}, 100.0, 0);
    // The corner of the square around the disc is off the card.
    for (const auto& [x, y, hit] : {std::tuple{300.0f, 200.0f, true}, {350.0f, 200.0f, true}, {300.0f, 150.0f, true},
                                    {351.0f, 200.0f, false}, {345.0f, 245.0f, false}}) {
        EXPECT_EQ(card.HitTest(x, y), hit) << x << "," << y;
    }
}

}  // namespace
