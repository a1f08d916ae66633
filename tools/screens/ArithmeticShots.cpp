// The two arithmetic games mid-play and with their verdicts, drawn with the
// built archive and the real fonts and texts into screens/.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "support/ScreenFixture.h"
#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/numbers/ArithmeticTerm.h"
#include "games/numbers/KG_Operation_einsetzen.h"
#include "games/numbers/KG_Rechenspiel.h"
#include "media/Archive.h"
#include "platform/Image.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "settings/LanguageTexts.h"
#include "support/TempFolder.h"

namespace {

constexpr uint16_t kEnter = 13;

class ArithmeticShots : public ScreenFixture {
protected:
    // One frame as the menu draws it: a background, then the game.
    platform::Image Shoot(Knobel_Game& game, const std::string& name) { return ShootGame(game, name + ".png"); }

    void Frame(Knobel_Game& game, double seconds) {
        app->frameTime = seconds;
        app->rawFrameTime = seconds;
        game.Update();
    }

    static void Press(Knobel_Game& game, uint16_t key) {
        game.OnKeyDown(key);
        game.OnKeyUp(key);
    }

    static void Type(Knobel_Game& game, int number) {
        for (const char digit : std::to_string(number)) {
            Press(game, static_cast<uint16_t>(digit));
        }
    }

};

TEST_F(ArithmeticShots, MentalArithmeticMidPlayAndWithItsVerdicts) {
    KG_Rechenspiel game(1);
    game.StartGame();
    Frame(game, 42.4);
    Type(game, 12);
    Shoot(game, "rechenspiel-play");

    Press(game, 8);
    Press(game, 8);
    Type(game, game.CurrentTerm().Value() + 3);
    Press(game, kEnter);
    Shoot(game, "rechenspiel-wrong");
    Frame(game, 2.0);

    Frame(game, 5.0);
    Type(game, game.CurrentTerm().Value());
    Press(game, kEnter);
    Shoot(game, "rechenspiel-right");
}

TEST_F(ArithmeticShots, MissingOperatorMidPlayAndWithItsVerdicts) {
    KG_Operation_einsetzen game(2);
    game.StartGame();
    Frame(game, 75.0);
    Shoot(game, "operation-play");

    Press(game, 'M');
    Shoot(game, "operation-chosen");
    // Addition is never equivalent to another operator, nor subtraction to addition.
    Press(game, game.TaskOperator() == arithmetic::kAdd ? 'S' : 'A');
    Press(game, kEnter);
    Shoot(game, "operation-wrong");
    Frame(game, 2.0);

    const uint16_t keys[] = {'A', 'S', 'M', 'D'};
    Press(game, keys[game.TaskOperator()]);
    Press(game, kEnter);
    Shoot(game, "operation-right");
}

}  // namespace
