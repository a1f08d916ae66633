#include "games/memory/KG_KartenMemory.h"

#include <gtest/gtest.h>

#include <map>

#include "PairsGameFixture.h"

namespace {

using KartenMemoryTest = PairsGameFixture;

// Cards are apart: see the hit test.
TEST_F(KartenMemoryTest, EachLevelDealsItsPairsOfFacesOnTheScreen) {
    const int counts[] = {16, 24, 36};
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE(level);
        KG_KartenMemory game(level);
        ASSERT_EQ(game.CardCount(), counts[level]);
        EXPECT_EQ(game.OpenCards(), counts[level]);
        std::map<int, int> faces;  // every pair has a face of its own
        for (int i = 0; i < game.CardCount(); ++i) {
            const PlayingCard& card = game.Card(i);
            EXPECT_FALSE(card.IsFaceUp());
            EXPECT_TRUE(card.Face() >= 0 && card.Face() < 52);
            ++faces[card.Face()];
            // On the screen, below the time panel.
            EXPECT_TRUE(card.Position().x >= 0.0f && card.Position().x + card.Size().x <= 1024.0f);
            EXPECT_TRUE(card.Position().y >= 50.0f && card.Position().y + card.Size().y <= 768.0f);
        }
        EXPECT_EQ(faces.size(), static_cast<size_t>(game.CardCount() / 2));
        for (const auto& [face, cards] : faces) EXPECT_EQ(cards, 2) << "face " << face;
    }
}

TEST_F(KartenMemoryTest, ACardIsHitUpToItsEdgesButNotInTheGap) {
    KG_KartenMemory game(2);
    game.StartGame();
    const PlayingCard& first = game.Card(0);
    const int right = static_cast<int>(first.Position().x + first.Size().x);
    const int gap = (right + static_cast<int>(game.Card(1).Position().x)) / 2;
    const int y = static_cast<int>(first.Position().y + first.Size().y / 2);
    game.OnLeftButtonUp(gap, y);
    EXPECT_EQ(FaceUpCount(game), 0);
    game.OnLeftButtonUp(right, y);
    EXPECT_TRUE(game.Card(0).IsFaceUp());
    game.OnLeftButtonUp(static_cast<int>(game.Card(1).Position().x), y);
    EXPECT_TRUE(game.Card(1).IsFaceUp());
}

}  // namespace
