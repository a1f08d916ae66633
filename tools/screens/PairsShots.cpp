// The two pairs games as the player sees them, drawn with the archive and the
// fonts of the build into screens/memory-*.png for a look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "support/ScreenFixture.h"
#include "games/memory/PairsGameFixture.h"
#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "games/memory/KG_KartenMemory.h"
#include "games/memory/KG_Memory.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "settings/LanguageTexts.h"
#include "support/TempFolder.h"

namespace {

class PairsShots : public ScreenFixture {
protected:
    PairsShots() : ScreenFixture(1) {}

    void Shoot(Knobel_Game& game, const std::string& name) { ShootGame(game, name); }

    // Finds the pair of the first card, then turns a wrong pair that stays up.
    template <typename PairsGameType>
    void TurnSomeCards(PairsGameType& game) {
        game.StartGame();
        app->frameTime = app->rawFrameTime = 83.0;
        game.Update();
        ClickCard(game, 0);
        ClickCard(game, PartnerOf(game, 0));
        const int first = FirstFaceDown(game);
        ClickCard(game, first);
        ClickCard(game, StrangerOf(game, first, true));
    }

};

TEST_F(PairsShots, RoundCardsWithAFoundPairAndAWrongPairShowing) {
    for (int level = 0; level < 3; ++level) {
        KG_Memory game(level);
        TurnSomeCards(game);
        Shoot(game, "memory-round-" + std::to_string(level) + ".png");
    }
}

TEST_F(PairsShots, PlayingCardsWithAFoundPairAndAWrongPairShowing) {
    for (int level = 0; level < 3; ++level) {
        KG_KartenMemory game(level);
        TurnSomeCards(game);
        Shoot(game, "memory-cards-" + std::to_string(level) + ".png");
    }
}

}  // namespace
