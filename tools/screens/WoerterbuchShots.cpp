// The word game: letters circling with part of the word typed, the verdicts,
// and the result page, in German and English.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "app/Random.h"
#include "games/puzzles/KG_Woerterbuch_Game.h"
#include "menu/MainMenu.h"
#include "support/ScreenDriver.h"
#include "support/ScreenFixture.h"

namespace {

constexpr int kWordGameIndex = 21;
const char* const kLanguageSuffix[] = {"de", "en"};

void TypeKeys(KG_Wörterbuch_Game& game, const std::string& text) {
    for (const char c : text) {
        const auto key = static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c)));
        game.OnKeyDown(key);
        game.OnKeyUp(key);
    }
}

void Frames(AppState& app, KG_Wörterbuch_Game& game, int frames, double seconds) {
    app.frameTime = seconds;
    app.rawFrameTime = seconds;
    for (int i = 0; i < frames; ++i) {
        game.Update();
    }
}

void ShootPlay(ScreenFixture& fixture, int language) {
    const std::string suffix = kLanguageSuffix[language];
    SeedRandom(21u);
    KG_Wörterbuch_Game game(2);
    game.StartGame();
    Frames(*fixture.app, game, 40, 0.1);
    fixture.ShootGame(game, "word_start_" + suffix + ".png");
    TypeKeys(game, game.Solution().substr(0, 3));
    fixture.ShootGame(game, "word_typing_" + suffix + ".png");

    TypeKeys(game, game.Solution().substr(3));
    game.OnKeyDown(13);
    game.OnKeyUp(13);
    fixture.ShootGame(game, "word_right_" + suffix + ".png");

    Frames(*fixture.app, game, 2, 0.6);
    std::string wrong = game.Solution();
    std::swap(wrong.front(), wrong.back());
    if (std::tolower(static_cast<unsigned char>(wrong.front())) ==
        std::tolower(static_cast<unsigned char>(wrong.back()))) {
        std::swap(wrong[0], wrong[1]);
    }
    TypeKeys(game, wrong);
    game.OnKeyDown(13);
    game.OnKeyUp(13);
    fixture.ShootGame(game, "word_wrong_" + suffix + ".png");
}

void ShootResult(int language) {
    ScreenDriver driver(ScreenDriver::Mode::Pixels, language);
    ASSERT_TRUE(driver.Ready()) << driver.Problem();
    MainMenu& menu = driver.Menu();
    menu.level = 0;
    menu.LaunchGame(kWordGameIndex);
    driver.RunFor(MainMenu::kCountdownSeconds + 0.1);
    for (int word = 0; word < 5 && menu.game->IsRunning(); ++word) {
        auto* game = static_cast<KG_Wörterbuch_Game*>(menu.game.get());
        driver.RunFor(4.0, 0.5);
        driver.Type(word == 2 ? std::string(game->Solution().rbegin(), game->Solution().rend()) : game->Solution());
        driver.PressKey(13);
        driver.RunFor(2.5, 0.5);
    }
    driver.RunFor(MainMenu::kEndDelaySeconds + 0.5);
    driver.Screenshot(std::string("screens/word_result_") + kLanguageSuffix[language] + ".png");
}

class WoerterbuchShotsDe : public ScreenFixture {
public:
    WoerterbuchShotsDe() : ScreenFixture(0) {}
};

class WoerterbuchShotsEn : public ScreenFixture {
public:
    WoerterbuchShotsEn() : ScreenFixture(1) {}
};

TEST_F(WoerterbuchShotsDe, Play) { ShootPlay(*this, 0); }
TEST_F(WoerterbuchShotsEn, Play) { ShootPlay(*this, 1); }
TEST(WoerterbuchShots, ResultPages) {
    ShootResult(0);
    ShootResult(1);
}

}  // namespace
