#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "PairsCards.h"
#include "app/AppState.h"
#include "games/memory/PairsGame.h"
#include "support/GameFixture.h"

// Tests of the pairs games: the common game fixture with the texts the games use.
class PairsGameFixture : public GameFixture {
public:
    PairsGameFixture();
    // Frames of the main loop while the game runs: frameTime and rawFrameTime
    // both `seconds`, then the game's Update.
    void Frames(PairsGame& game, int count, double seconds);
    // Turns pair after pair, with `seconds` of running time before the last
    // pair and one frame after it.
    template <typename PairsGameType>
    void FindEveryPair(PairsGameType& game, double seconds) {
        while (game.OpenCards() > 0) {
            if (game.OpenCards() == 2) Frames(game, 1, seconds);
            const int card = FirstFaceDown(game);
            ClickCard(game, card);
            ClickCard(game, PartnerOf(game, card));
        }
        Frames(game, 1, 0.0);
    }
};
