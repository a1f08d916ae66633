// The picture building game as the player sees it, in both languages: a play
// in progress at the hard level (two shapes in place, one piece chosen), the
// help page and the result page, written to build/screens/bilder-*.png.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Random.h"
#include "games/puzzles/KG_Bilder_Basteln.h"
#include "menu/MainMenu.h"
#include "DriverShots.h"

namespace {

constexpr int kGameIndex = 0;

class BilderBastelnShots : public DriverShots {
protected:
    void SetUp() override {
        DriverShots::SetUp();
        if (IsSkipped()) {
            return;
        }
        SeedRandom(2024u);
        game = static_cast<KG_Bilder_Basteln*>(&Launch(kGameIndex, 2));
        ASSERT_TRUE(game->IsRunning());
    }

    void Shoot(const std::string& what) {
        driver->Frame();
        const std::string name = "screens/bilder-" + what + "-" + Language() + ".png";
        EXPECT_TRUE(driver->Screenshot(name)) << name;
    }

    // The target's own piece (the first pieces belong to the targets in order)
    // laid on it at the target's size.
    void Cover(int target) {
        game->Piece(target) = game->Targets()[static_cast<size_t>(target)];
    }

    KG_Bilder_Basteln* game = nullptr;
};

TEST_P(BilderBastelnShots, PlayHelpAndResult) {
    driver->RunFor(42.0, 0.5);
    Cover(0);
    Cover(1);
    const PictureShape& chosen = game->Pieces()[2];
    driver->Click(static_cast<int>(chosen.x), static_cast<int>(chosen.y));
    driver->MoveMouse(1000, 20);
    Shoot("play");

    driver->PressKey('H');
    Shoot("help");
    driver->PressKey('H');

    for (int i = 0; i < static_cast<int>(game->Targets().size()); ++i) {
        Cover(i);
    }
    driver->RunFor(MainMenu::kEndDelaySeconds + 0.5);
    Shoot("result");
}

INSTANTIATE_TEST_SUITE_P(Languages, BilderBastelnShots, ::testing::Values(0, 1));

}  // namespace
