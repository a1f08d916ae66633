// The clock reading and date games mid-play and with their verdicts, in German
// and English.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "app/Random.h"
#include "games/numbers/KG_Datum_Game.h"
#include "games/numbers/KG_Uhr_lesen.h"
#include "support/InputBurst.h"
#include "support/ScreenFixture.h"

namespace {

void Step(Knobel_Game& game, double seconds) {
    AppState* app = GetAppState();
    app->frameTime = seconds;
    app->rawFrameTime = seconds;
    game.Update();
}

Datum ShotDay() { return Datum::Of(14, 3, 2026); }

class ClockDateShots : public ScreenFixture, public ::testing::WithParamInterface<int> {
public:
    ClockDateShots() : ScreenFixture(GetParam()) {}

    std::string Name(const std::string& what) const {
        return what + (GetParam() == 0 ? "_de.png" : "_en.png");
    }
};

TEST_P(ClockDateShots, Clocks) {
    SeedRandom(4);
    KG_Uhr_lesen game(2);
    game.StartGame();
    Step(game, 37.0);
    TypeKeys(game, "135");
    ShootGame(game, Name("uhr_typing"));
    PressKey(game, 8);
    PressKey(game, 8);
    PressKey(game, 8);
    TypeKeys(game, std::to_string(game.Answer() / 60 * 100 + game.Answer() % 60));
    PressKey(game, 13);
    ShootGame(game, Name("uhr_right"));
    Step(game, 2.0);
    TypeKeys(game, "2400");
    PressKey(game, 13);
    ShootGame(game, Name("uhr_wrong"));

    SeedRandom(8);
    KG_Uhr_lesen easy(0);
    easy.StartGame();
    TypeKeys(easy, "45");
    ShootGame(easy, Name("uhr_easy"));
}

TEST_P(ClockDateShots, Dates) {
    for (uint32_t seed = 1;; ++seed) {
        SeedRandom(seed * 2654435761u);
        KG_Datum_Game game(2, &ShotDay);
        if (game.AsksWeekday()) {
            continue;
        }
        game.StartGame();
        Step(game, 83.0);
        TypeKeys(game, "050320");
        ShootGame(game, Name("datum_typing"));
        PressKey(game, 13);
        ShootGame(game, Name("datum_wrong"));
        break;
    }
    for (uint32_t seed = 1;; ++seed) {
        SeedRandom(seed * 2654435761u);
        KG_Datum_Game game(2, &ShotDay);
        if (!game.AsksWeekday()) {
            continue;
        }
        game.StartGame();
        TypeKeys(game, "donnerstag");
        ShootGame(game, Name("datum_weekday"));
        break;
    }
    for (uint32_t seed = 1;; ++seed) {
        SeedRandom(seed * 2654435761u);
        KG_Datum_Game easy(0, &ShotDay);
        if (easy.AsksWeekday()) {
            continue;
        }
        easy.StartGame();
        const Datum& t = easy.TargetDate();
        char digits[16];
        std::snprintf(digits, sizeof digits, "%02d%02d%04d", t.day, t.month, t.year);
        TypeKeys(easy, digits);
        PressKey(easy, 13);
        ShootGame(easy, Name("datum_right"));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ClockDateShots, ::testing::Values(0, 1));

}  // namespace
