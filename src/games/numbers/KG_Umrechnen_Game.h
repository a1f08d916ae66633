#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "games/base/TaskGame.h"
#include "games/numbers/UnitTask.h"

class Font;

// Unit conversion: a quantity in one unit is shown, the player types it in
// another unit of the same kind as a decimal number and confirms with Enter.
// An answer within 5 % of the exact value is right. A right verdict shows for
// one second, a wrong one for two, then the next task follows, 10, 15 or 20
// of them by level. Save file "convert.sav".
class KG_Umrechnen_Game : public TaskGame {
public:
    static constexpr const char* kSaveFile = "convert.sav";
    // Characters the answer can hold.
    static constexpr std::size_t kMaxInput = 20;
    static constexpr double kRightSeconds = 1.0;
    static constexpr double kWrongSeconds = 2.0;

    explicit KG_Umrechnen_Game(int level);
    ~KG_Umrechnen_Game() override;

    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Render() override;
    void OnLostDevice() override;
    void OnResetDevice() override;

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;
    const std::string& GetResultText() override;
    // As the base draws it, but always in the game's small font.
    void DrawHelpText(GUIElement* element, int left, int top, int right, int bottom, float x, float y, float scaleX,
                      float scaleY, Font* font) override;

    const UnitTask& Task() const { return task; }
    const std::string& Input() const { return input; }
    const std::string& SourceText() const { return sourceText; }
    const std::string& TargetText() const { return targetText; }
    // Relative errors of the answers so far: the largest and their sum.
    double LargestError() const { return largestError; }
    double ErrorSum() const { return errorSum; }

protected:
    void NextTask() override;

private:
    // A value and the name of a unit of the task's family in a box 17 pixels
    // a character (at least 50) wide and 50 high, vertically centred on the
    // screen, its left edge at `edge` (its right edge when alignRight is set);
    // the text in the colour only when showText is set. Returns the box's
    // right edge.
    float DrawQuantity(const std::string& value, int unit, float edge, bool alignRight, uint32_t colour,
                       bool showText) const;

    const double ratioLimit;
    const int highestExponent;
    const int lowestExponent;
    const std::unique_ptr<Font> helpFont;
    UnitTask task;
    std::string input;
    std::string sourceText;
    std::string targetText;
    double errorSum = 0.0;
    double largestError = 0.0;
    bool lastAnswerRight = false;
};
