// The reaction tests and number clicking as the menu hosts them, in German and
// English: mid-play and the result page.
#include <gtest/gtest.h>

#include <string>

#include "app/AppState.h"
#include "games/reaction/KG_Reaktion.h"
#include "games/reaction/KG_ReaktionII.h"
#include "games/reaction/KG_Zahlen_klicken.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"
#include "platform/Message.h"
#include "support/FakeWindow.h"
#include "DriverShots.h"

namespace {

int IndexOfLabel(int labelText) {
    for (int i = 0; i < kGameCount; ++i) {
        if (GameAt(i)->labelText == labelText) {
            return i;
        }
    }
    return -1;
}

class ReactionShots : public DriverShots {
protected:
    Knobel_Game* Launch(int labelText, int level) { return &DriverShots::Launch(IndexOfLabel(labelText), level); }

    void Shoot(const std::string& name) { driver->Screenshot("screens/" + name + "_" + Language() + ".png"); }

    // Ends the play as its time running out does and shows the result page.
    void ShootResult(Knobel_Game* game, const std::string& name) {
        game->SetState(Knobel_Game::STATE_FINISHED);
        driver->RunFor(MainMenu::kEndDelaySeconds + 0.2);
        Shoot(name);
    }
};

TEST_P(ReactionShots, Reaktion) {
    auto* game = static_cast<KG_Reaktion*>(Launch(15, 1));
    for (int i = 0; i < 12; ++i) {
        if (game->ShownDigit() == game->TargetDigit() && !game->InBlank()) {
            driver->Send(MouseMessage(platform::MessageKind::LeftButtonDown, 700, 600));
        }
        driver->RunFor(0.35);
    }
    while (game->InBlank()) {
        driver->Frame();
    }
    Shoot("reaktion_play");
    ShootResult(game, "reaktion_result");
}

TEST_P(ReactionShots, ReaktionII) {
    auto* game = static_cast<KG_ReaktionII*>(Launch(16, 0));
    for (int i = 0; i < 8; ++i) {
        if (game->ShownDigit() == game->DigitTwoBack() && !game->InBlank()) {
            driver->Send(MouseMessage(platform::MessageKind::LeftButtonDown, 700, 600));
        }
        driver->RunFor(0.5);
    }
    while (game->InBlank()) {
        driver->Frame();
    }
    Shoot("reaktion2_play");
    ShootResult(game, "reaktion2_result");
}

TEST_P(ReactionShots, ZahlenKlicken) {
    auto* game = static_cast<KG_Zahlen_klicken*>(Launch(120, 2));
    // One tile in turn, one out of turn.
    for (const size_t place : {size_t{0}, size_t{3}}) {
        const NumberTile& tile = game->Tiles()[place];
        driver->Click(static_cast<int>(tile.X()), static_cast<int>(tile.Y()));
    }
    driver->MoveMouse(900, 650);
    driver->RunFor(1.0);
    Shoot("zahlenklicken_play");
    // The rest of the rounds played through in order, a few seconds each.
    while (game->GetState() == Knobel_Game::STATE_RUNNING) {
        while (game->Resting()) {
            driver->Frame();
        }
        driver->RunFor(3.0);
        while (!game->Tiles().empty() && !game->Resting()) {
            driver->Click(static_cast<int>(game->Tiles().front().X()), static_cast<int>(game->Tiles().front().Y()));
        }
    }
    driver->MoveMouse(900, 650);
    driver->RunFor(MainMenu::kEndDelaySeconds + 0.2);
    Shoot("zahlenklicken_result");
}

INSTANTIATE_TEST_SUITE_P(Languages, ReactionShots, ::testing::Values(0, 1));

}  // namespace
