// The picture building game as the player sees it, in both languages: a play
// in progress at the hard level (two shapes in place, one piece chosen), the
// help page and the result page, written to build/screens/bilder-*.png.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Random.h"
#include "games/puzzles/KG_Bilder_Basteln.h"
#include "menu/MainMenu.h"
#include "support/ScreenDriver.h"

namespace {

constexpr int kGameIndex = 0;

class BilderBastelnShots : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Pixels, GetParam());
        if (!driver->Ready()) {
            GTEST_SKIP() << driver->Problem();
        }
        MainMenu& menu = driver->Menu();
        menu.level = 2;
        SeedRandom(2024u);
        menu.LaunchGame(kGameIndex);
        driver->RunFor(MainMenu::kCountdownSeconds + 0.1);
        game = static_cast<KG_Bilder_Basteln*>(menu.game.get());
        ASSERT_TRUE(game->IsRunning());
    }

    void Shoot(const std::string& what) {
        driver->Frame();
        const std::string name = "screens/bilder-" + what + (GetParam() == 0 ? "-de" : "-en") + ".png";
        EXPECT_TRUE(driver->Screenshot(name)) << name;
    }

    // The target's own piece (the first pieces belong to the targets in order)
    // laid on it at the target's size.
    void Cover(int target) {
        game->Piece(target) = game->Targets()[static_cast<size_t>(target)];
    }

    std::unique_ptr<ScreenDriver> driver;
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
