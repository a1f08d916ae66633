// The unit conversion and number triangle games mid-play and with their
// verdicts, in German and English.
#include <gtest/gtest.h>

#include <string>

#include "app/Random.h"
#include "games/numbers/KG_Dreieck_rechnen.h"
#include "games/numbers/KG_Umrechnen_Game.h"
#include "support/InputBurst.h"
#include "support/ScreenFixture.h"

namespace {

constexpr uint16_t kEnter = 13;

class UnitTriangleShots : public ScreenFixture, public ::testing::WithParamInterface<int> {
public:
    UnitTriangleShots() : ScreenFixture(GetParam()) {}

    void Frame(Knobel_Game& game, double seconds) {
        app->frameTime = seconds;
        app->rawFrameTime = seconds;
        game.Update();
    }

    std::string Name(const std::string& what) const {
        return what + (GetParam() == 0 ? "_de" : "_en") + ".png";
    }
};

TEST_P(UnitTriangleShots, Units) {
    for (int level = 0; level < 3; level += 2) {
        SeedRandom(40 + static_cast<uint32_t>(level) + static_cast<uint32_t>(GetParam()));
        KG_Umrechnen_Game game(level);
        game.StartGame();
        Frame(game, 75.0);
        TypeKeys(game, "12.5");
        ShootGame(game, Name("units_typing_l" + std::to_string(level)));
        PressKey(game, 8);
        PressKey(game, 8);
        PressKey(game, 8);
        PressKey(game, 8);
        TypeKeys(game, game.TargetText());
        PressKey(game, kEnter);
        ShootGame(game, Name("units_right_l" + std::to_string(level)));
        Frame(game, 1.0);
        TypeKeys(game, "7");
        PressKey(game, kEnter);
        ShootGame(game, Name("units_wrong_l" + std::to_string(level)));
    }
}

// The widest answers: long unit names with many places.
TEST_P(UnitTriangleShots, UnitsLongNames) {
    const struct {
        int family, unit;
    } wide[] = {{0, 2}, {5, 5}, {1, 4}};
    for (const auto& [family, unit] : wide) {
        for (uint32_t seed = 1; seed < 100000; ++seed) {
            SeedRandom(seed);
            KG_Umrechnen_Game game(2);
            if (game.Task().family != family || game.Task().targetUnit != unit || game.Task().exponent > -2) {
                continue;
            }
            game.StartGame();
            TypeKeys(game, game.TargetText());
            PressKey(game, kEnter);
            ShootGame(game, Name("units_long_" + std::to_string(family)));
            break;
        }
    }
}

TEST_P(UnitTriangleShots, Triangle) {
    for (int level = 0; level < 3; level += 2) {
        SeedRandom(7 + static_cast<uint32_t>(level));
        KG_Dreieck_rechnen game(level);
        game.StartGame();
        Frame(game, 42.0);
        TypeKeys(game, "12");
        ShootGame(game, Name("triangle_typing_l" + std::to_string(level)));
        PressKey(game, 8);
        PressKey(game, 8);
        TypeKeys(game, std::to_string(game.Triangle().Root().value));
        PressKey(game, kEnter);
        ShootGame(game, Name("triangle_right_l" + std::to_string(level)));
        Frame(game, 2.0);
        TypeKeys(game, "999");
        PressKey(game, kEnter);
        ShootGame(game, Name("triangle_wrong_l" + std::to_string(level)));
    }
}

// The help texts as the menu's large help page holds them (800 x 600 at the
// screen's centre), over the in-game background.
TEST_P(UnitTriangleShots, HelpTexts) {
    KG_Umrechnen_Game units(0);
    KG_Dreieck_rechnen triangle(0);
    for (Knobel_Game* game : {static_cast<Knobel_Game*>(&units), static_cast<Knobel_Game*>(&triangle)}) {
        renderer->Clear(0xFF646464u);
        const platform::Rect region{0, 0, 600, 450};
        const Vec2 scaling{1024.0f / 600.0f, 768.0f / 450.0f};
        DrawSprite(app->textures[TEX_BACK3].get(), &region, &scaling, nullptr, 0.0, nullptr, 0xFFFFFFFFu);
        game->DrawHelpText(nullptr, 0, 0, 800, 600, 112.0f, 84.0f, 1.0f, 1.0f,
                           GetTextRenderer()->AddFont("Comic Sans MS", 30));
        const std::string name = game == &units ? "units_help" : "triangle_help";
        EXPECT_TRUE(platform::WritePng((screens / Name(name)).string(), renderer->Screenshot()));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, UnitTriangleShots, ::testing::Values(0, 1));

}  // namespace
