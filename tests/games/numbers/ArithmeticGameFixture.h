#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "platform/KeyMap.h"
#include "support/GameFixture.h"

// The setting of the number games' tests: save files in a temporary folder,
// short language texts (the arithmetic games' and any more a game's tests
// give), a recording renderer with stand-in textures, and frames of chosen
// length.
class ArithmeticGameFixture : public GameFixture {
protected:
    explicit ArithmeticGameFixture(const std::string& moreTexts = "")
        : GameFixture(
              "ANZ_TEXTE: 356 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 30 Right %d|<TEXT_START> 31 Wrong %d|"
              "<TEXT_START> 32 Rate %d %%|<TEXT_START> 50 Grade %.2f|<TEXT_START> 63 Clock %d:%02d|" +
              moreTexts) {}
    // Frames of the main loop, each with the same frame time.
    void RunFrames(Knobel_Game& game, int frames, double seconds) {
        GameFixture::RunFrames(game, frames, seconds, seconds);
    }
    // One key pressed and released.
    static void Press(Knobel_Game& game, uint16_t key) { game.OnKeyDown(key); game.OnKeyUp(key); }
    // Presses the key of each digit or letter (its capital's code); '.' with the full-stop key.
    static void Type(Knobel_Game& game, const std::string& keys) {
        for (const char key : keys) {
            const auto upper = static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(key)));
            Press(game, key == '.' ? uint16_t{190} : upper);
        }
    }
    // Types the digits of a number.
    static void TypeNumber(Knobel_Game& game, int number) { Type(game, std::to_string(number)); }
    // A new frame drawn from nothing.
    void Draw(Knobel_Game& game) {
        renderer->sprites.clear();
        renderer->texts.clear();
        game.Render();
    }
    // The texts drawn that read exactly so.
    std::vector<RecordingRenderer::Text> TextsReading(const std::string& text) const {
        std::vector<RecordingRenderer::Text> found;
        for (const auto& drawn : renderer->texts) if (drawn.text == text) found.push_back(drawn);
        return found;
    }
};
