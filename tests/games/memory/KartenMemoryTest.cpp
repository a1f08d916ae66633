#include "games/memory/KG_KartenMemory.h"

#include <gtest/gtest.h>

#include <map>

#include "PairsGameFixture.h"
#include "app/Random.h"

namespace {

using KartenMemoryTest = PairsGameFixture;

struct Grid {
    int level;
    int count;
    int columns;
    float left;
    float top;
    float width;
    float height;
};

TEST_F(KartenMemoryTest, EachLevelLaysItsCardsInAGridAroundTheScreenCentre) {
    const Grid grids[] = {
        {0, 16, 4, 316.0f, 108.0f, 88.0f, 128.0f},
        // 12 pairs: four rows of 5 and one of 4.
        {1, 24, 5, 352.0f, 154.0f, 70.0f, 105.0f},
        {2, 36, 6, 332.0f, 129.0f, 50.0f, 75.0f},
    };
    for (const Grid& grid : grids) {
        SCOPED_TRACE(grid.level);
        KG_KartenMemory game(grid.level);
        ASSERT_EQ(game.CardCount(), grid.count);
        EXPECT_EQ(game.OpenCards(), grid.count);
        for (int i = 0; i < grid.count; ++i) {
            const PlayingCard& card = game.Card(i);
            EXPECT_EQ(card.Position().x, grid.left + (i % grid.columns) * (grid.width + 10));
            EXPECT_EQ(card.Position().y, grid.top + (i / grid.columns) * (grid.height + 10));
            EXPECT_EQ(card.Size().x, grid.width);
            EXPECT_EQ(card.Size().y, grid.height);
            EXPECT_FALSE(card.IsFaceUp());
        }
        // Every card lies on the screen, below the time panel.
        const PlayingCard& last = game.Card(grid.count - 1);
        EXPECT_LE(last.Position().y + last.Size().y, 768.0f);
        EXPECT_GE(game.Card(0).Position().y, 50.0f);
    }
    KG_KartenMemory hard(2);
    EXPECT_EQ(hard.Card(35).Position().x, 632.0f);
    EXPECT_EQ(hard.Card(35).Position().y, 554.0f);
    EXPECT_EQ(hard.GetTitle(), " Card pairs");
    EXPECT_EQ(hard.GetHelpText(), " Find the card pairs.");
}

TEST_F(KartenMemoryTest, EveryPairHasAFaceOfItsOwn) {
    for (int level = 0; level < 3; ++level) {
        for (int play = 0; play < 20; ++play) {
            KG_KartenMemory game(level);
            std::map<int, int> faces;
            for (int i = 0; i < game.CardCount(); ++i) {
                const int face = game.Card(i).Face();
                EXPECT_TRUE(face >= 0 && face < 52);
                ++faces[face];
            }
            EXPECT_EQ(faces.size(), static_cast<size_t>(game.CardCount() / 2));
            for (const auto& [face, cards] : faces) {
                EXPECT_EQ(cards, 2) << "face " << face;
            }
        }
    }
}

TEST_F(KartenMemoryTest, TheDeckDrawsNewFacesAndTheLastCardTakesNoDraw) {
    SeedRandom(99);
    const int first = Random() % 52;
    SeedRandom(99);
    const std::vector<int> deck = KG_KartenMemory::DrawDeck(8);
    ASSERT_EQ(deck.size(), 8u);
    EXPECT_EQ(deck[0], first);
    EXPECT_EQ(deck[1], first);

    // Of two faces left one draw picks one; the last is taken without a draw.
    std::vector<int> rest = {7, 9};
    SeedRandom(5);
    KG_KartenMemory::TakeFace(rest);
    KG_KartenMemory::TakeFace(rest);
    EXPECT_TRUE(rest.empty());
    const int afterTakes = Random();
    SeedRandom(5);
    Random();
    EXPECT_EQ(afterTakes, Random());
}

TEST_F(KartenMemoryTest, ACardIsHitUpToItsEdgesButNotInTheGap) {
    KG_KartenMemory game(2);
    game.StartGame();
    // Card 0 spans x 332..382, card 1 starts at 392.
    game.OnLeftButtonUp(387, 150);
    EXPECT_EQ(FaceUpCount(game), 0);
    game.OnLeftButtonUp(382, 204);
    EXPECT_TRUE(game.Card(0).IsFaceUp());
    game.OnLeftButtonUp(392, 129);
    EXPECT_TRUE(game.Card(1).IsFaceUp());
}

TEST_F(KartenMemoryTest, FacesComeFromTheirSheetAndTheBackIsAlsoTheShadow) {
    const platform::Texture* sheet1 = app->textures[TEX_MEMORYCARDS1].get();
    const platform::Texture* sheet2 = app->textures[TEX_MEMORYCARDS2].get();
    PlayingCard high(30, Vec2{332.0f, 129.0f}, Vec2{50.0f, 75.0f});
    PlayingCard low(27, Vec2{100.0f, 100.0f}, Vec2{88.0f, 128.0f});
    high.Draw();
    high.TurnUp();
    high.Draw();
    low.TurnUp();
    low.Draw();
    ASSERT_EQ(renderer->sprites.size(), 6u);

    const Vec2 small{50.0f / 88.0f, 75.0f / 128.0f};
    const platform::Rect back{0, 768, 88, 896};
    ExpectSprite(renderer->sprites[0], sheet2, back, small, {335.0f, 132.0f}, 0xFF000000u);
    ExpectSprite(renderer->sprites[1], sheet2, back, small, {332.0f, 129.0f}, 0xFFFFFFFFu);
    // Face 30: third cell of the first row of sheet 2; face 27: last cell of sheet 1.
    ExpectSprite(renderer->sprites[3], sheet2, {176, 0, 264, 128}, small, {332.0f, 129.0f}, 0xFFFFFFFFu);
    ExpectSprite(renderer->sprites[4], sheet2, back, {1.0f, 1.0f}, {103.0f, 103.0f}, 0xFF000000u);
    ExpectSprite(renderer->sprites[5], sheet1, {264, 768, 352, 896}, {1.0f, 1.0f}, {100.0f, 100.0f}, 0xFFFFFFFFu);
}

}  // namespace
