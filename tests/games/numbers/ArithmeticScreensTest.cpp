// The two arithmetic games as the player sees them, drawn with the built
// archive and the real fonts and texts, and written to screens/ for a look.

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

// Pixels of a colour close to the given one within the rectangle.
int CountNear(const platform::Image& image, uint32_t colour, int left, int top, int right, int bottom) {
    const auto channel = [](uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); };
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const uint32_t pixel = image.At(x, y);
            bool near = true;
            for (int shift : {16, 8, 0}) {
                near = near && std::abs(channel(pixel, shift) - channel(colour, shift)) <= 12;
            }
            count += near ? 1 : 0;
        }
    }
    return count;
}

class ArithmeticScreensTest : public ScreenFixture {
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

TEST_F(ArithmeticScreensTest, MentalArithmeticMidPlayAndWithItsVerdicts) {
    KG_Rechenspiel game(1);
    game.StartGame();
    Frame(game, 42.4);
    Type(game, 12);
    const auto playing = Shoot(game, "rechenspiel-play");
    // The answer area around (512, 484) shows no correction while typing.
    EXPECT_EQ(CountNear(playing, 0xFFFF7F7Fu, 412, 454, 612, 514), 0);

    Press(game, 8);
    Press(game, 8);
    Type(game, game.CurrentTerm().Value() + 3);
    Press(game, kEnter);
    const auto wrong = Shoot(game, "rechenspiel-wrong");
    EXPECT_GT(CountNear(wrong, 0xFFFF7F7Fu, 412, 454, 612, 514), 20);
    Frame(game, 2.0);

    Frame(game, 5.0);
    Type(game, game.CurrentTerm().Value());
    Press(game, kEnter);
    const auto right = Shoot(game, "rechenspiel-right");
    EXPECT_EQ(CountNear(right, 0xFFFF7F7Fu, 412, 454, 612, 514), 0);
    EXPECT_GT(CountNear(right, 0xFF000000u, 412, 454, 612, 514), 20);
}

TEST_F(ArithmeticScreensTest, MissingOperatorMidPlayAndWithItsVerdicts) {
    KG_Operation_einsetzen game(2);
    game.StartGame();
    Frame(game, 75.0);
    const auto empty = Shoot(game, "operation-play");
    // The result stands in black around (512, 614).
    EXPECT_GT(CountNear(empty, 0xFF000000u, 462, 594, 562, 634), 20);

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
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.Tally().wrong, 1);
}

}  // namespace
