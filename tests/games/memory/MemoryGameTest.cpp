#include "games/memory/KG_Memory.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST_F(MemoryGameTest, ACardDrawsItsShadowThenItsBackOrItsPictureOnTheFace) {
    const platform::Texture* misc2 = app->textures[TEX_MISC2].get();
    const platform::Texture* pictures = app->textures[TEX_MEMORY_MUSTER].get();
    MemoryCard card(9, Vec2{300.0f, 200.0f}, 110.0, 2);
    const Vec2 scale{1.1f, 1.1f};

    card.Draw();
    ASSERT_EQ(renderer->sprites.size(), 2u);
    ExpectSprite(renderer->sprites[0], misc2, {0, 500, 100, 600}, scale, {247.0f, 147.0f}, 0xFF000000u);
    ExpectSprite(renderer->sprites[1], misc2, {300, 500, 400, 600}, scale, {245.0f, 145.0f}, 0xFFFFFFFFu);

    renderer->sprites.clear();
    card.TurnUp();
    card.Draw();
    ASSERT_EQ(renderer->sprites.size(), 3u);
    ExpectSprite(renderer->sprites[1], misc2, {0, 500, 100, 600}, scale, {245.0f, 145.0f}, 0xFFFFFFFFu);
    // Pair 9: second column of the second row, centred on the card.
    ExpectSprite(renderer->sprites[2], pictures, {65, 65, 130, 130}, scale,
                 {300.0f - 32.5f * 1.1f, 200.0f - 32.5f * 1.1f}, 0xFFFFFFFFu);
}

TEST_F(MemoryGameTest, TheTimePanelShowsOnlyWhileThePlayRunsBeforeTheCards) {
    KG_Memory game(0);
    game.Render();
    EXPECT_TRUE(renderer->texts.empty());
    EXPECT_EQ(renderer->sprites.size(), 32u) << "a shadow and a back per card";

    renderer->sprites.clear();
    game.StartGame();
    game.Render();
    ASSERT_EQ(renderer->texts.size(), 1u);
    ASSERT_EQ(renderer->sprites.size(), 33u);
    EXPECT_EQ(renderer->sprites[0].texture, app->textures[TEX_MENU2].get());
    // The cards follow in creation order.
    EXPECT_FLOAT_EQ(renderer->sprites[32].transform.dx, game.Card(15).Centre().x - 55.0f);
}

}  // namespace
