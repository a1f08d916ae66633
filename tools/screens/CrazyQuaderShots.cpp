// Pattern switching: the board and its buttons at every level, and the result
// page in German and English.
#include <gtest/gtest.h>

#include <string>

#include "games/puzzles/KG_CrazyQuader.h"
#include "menu/MainMenu.h"
#include "support/ScreenDriver.h"
#include "support/ScreenFixture.h"

namespace {

constexpr int kCrazyQuaderIndex = 1;
const char* const kLanguageSuffix[] = {"de", "en"};

// Clicks the middle of the first square of button k.
void Press(KG_CrazyQuader& game, size_t k) {
    const GridSquare& square = game.Buttons()[k].Square(0);
    const auto half = static_cast<float>(square.Size() / 2);
    game.OnLeftButtonDown(static_cast<int>(square.Position().x + half), static_cast<int>(square.Position().y + half));
}

class CrazyQuaderShots : public ScreenFixture {};

TEST_F(CrazyQuaderShots, EveryLevel) {
    for (int level = 0; level < 3; ++level) {
        KG_CrazyQuader game(level);
        game.StartGame();
        app->frameTime = 12.5;
        game.Update();
        Press(game, 0);
        ShootGame(game, "crazy_level" + std::to_string(level) + ".png");
    }
}

TEST(CrazyQuaderResultShots, ResultPages) {
    for (int language = 0; language < 2; ++language) {
        ScreenDriver driver(ScreenDriver::Mode::Pixels, language);
        ASSERT_TRUE(driver.Ready()) << driver.Problem();
        MainMenu& menu = driver.Menu();
        menu.level = 1;
        menu.LaunchGame(kCrazyQuaderIndex);
        driver.RunFor(MainMenu::kCountdownSeconds + 0.1);
        auto* game = static_cast<KG_CrazyQuader*>(menu.game.get());
        for (size_t k = 0; k < 6; ++k) {
            Press(*game, k);
            driver.RunFor(3.0, 0.5);
        }
        game->SetState(Knobel_Game::STATE_FINISHED);
        driver.RunFor(MainMenu::kEndDelaySeconds + 0.5);
        driver.Screenshot(std::string("screens/crazy_result_") + kLanguageSuffix[language] + ".png");
    }
}

}  // namespace
