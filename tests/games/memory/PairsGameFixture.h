#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "CardClicks.h"
#include "app/AppState.h"
#include "games/memory/PairsGame.h"
#include "support/RecordingRenderer.h"
#include "support/TempFolder.h"

// Tests of the pairs games: a recording renderer with a stand-in for every
// shared texture, the texts the games use, global statistics, and a temporary
// working directory for the save files.
class PairsGameFixture : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // Frames of the main loop while the game runs: frameTime and rawFrameTime
    // both `seconds`, then the game's Update.
    void Frames(PairsGame& game, int count, double seconds);

    // The first card for which test(card index) holds, or -1.
    template <typename Test>
    static int FindCard(const PairsGame& game, Test test) {
        for (int i = 0; i < game.CardCount(); ++i) {
            if (test(i)) {
                return i;
            }
        }
        return -1;
    }
    static int PartnerOf(const PairsGame& game, int index) {
        return FindCard(game, [&](int i) { return i != index && game.CardAt(i).SamePair(game.CardAt(index)); });
    }
    static int StrangerOf(const PairsGame& game, int index) {
        return FindCard(game, [&](int i) { return !game.CardAt(i).SamePair(game.CardAt(index)); });
    }
    static int FirstFaceDown(const PairsGame& game) {
        return FindCard(game, [&](int i) { return !game.CardAt(i).IsFaceUp(); });
    }
    static int FaceUpCount(const PairsGame& game);

    // Checks a recorded sprite: texture, region, scale, position and colour.
    static void ExpectSprite(const RecordingRenderer::Sprite& sprite, const platform::Texture* texture,
                             const platform::Rect& region, Vec2 scale, Vec2 position, uint32_t colour);

    // Turns pair after pair, with `seconds` of running time before the last
    // pair and one frame after it.
    template <typename PairsGameType>
    void FindEveryPair(PairsGameType& game, double seconds) {
        while (game.OpenCards() > 0) {
            if (game.OpenCards() == 2) {
                Frames(game, 1, seconds);
            }
            const int card = FirstFaceDown(game);
            ClickCard(game, card);
            ClickCard(game, PartnerOf(game, card));
        }
        Frames(game, 1, 0.0);
    }

    AppState* app = nullptr;
    RecordingRenderer* renderer = nullptr;
    TempFolder folder;
    std::unique_ptr<WorkingDirectoryScope> inFolder;
};
