#include "games/memory/KG_Memory.h"

#include <gtest/gtest.h>

#include "PairsGameFixture.h"

namespace {

using MemoryGameTest = PairsGameFixture;

TEST_F(MemoryGameTest, EachLevelLaysOutItsPairsOfRoundCardsWithOneBack) {
    const int counts[] = {16, 24, 32};
    const double sizes[] = {110.0, 85.0, 75.0};
    for (int level = 0; level < 3; ++level) {
        KG_Memory game(level);
        ASSERT_EQ(game.CardCount(), counts[level]);
        EXPECT_EQ(game.OpenCards(), counts[level]);
        EXPECT_EQ(game.GetTitle(), " Memory");
        EXPECT_EQ(game.GetHelpText(), " Find the pairs.");
        const int back = game.Card(0).BackDesign();
        EXPECT_TRUE(back >= 0 && back < 3);
        for (int i = 0; i < game.CardCount(); ++i) {
            const MemoryCard& card = game.Card(i);
            EXPECT_EQ(card.PairNumber(), i / 2);
            EXPECT_EQ(card.Size(), sizes[level]);
            EXPECT_EQ(card.BackDesign(), back);
            EXPECT_FALSE(card.IsFaceUp());
            for (int j = 0; j < i; ++j) {
                EXPECT_GE(card.DistanceTo(game.Card(j).Centre().x, game.Card(j).Centre().y), sizes[level]);
            }
        }
    }
}

TEST_F(MemoryGameTest, ARoundCardIsHitOnItsDiscOnly) {
    const MemoryCard card(0, Vec2{300.0f, 200.0f}, 100.0, 0);
    EXPECT_TRUE(card.HitTest(300.0f, 200.0f));
    EXPECT_TRUE(card.HitTest(350.0f, 200.0f));
    EXPECT_TRUE(card.HitTest(300.0f, 150.0f));
    EXPECT_FALSE(card.HitTest(351.0f, 200.0f));
    // The corner of the square around the disc is off the card.
    EXPECT_FALSE(card.HitTest(345.0f, 245.0f));
}

}  // namespace
