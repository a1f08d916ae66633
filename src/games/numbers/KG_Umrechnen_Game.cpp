#include "games/numbers/KG_Umrechnen_Game.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Font.h"
#include "app/Sprite.h"
#include "games/base/VerdictMark.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/base/TextBox.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 160;
constexpr int kHelpText = 161;
// What to do, under the time.
constexpr int kPromptText = 374;
constexpr int kLargestErrorText = 162;
constexpr int kAverageErrorText = 163;

// By level: tasks, the largest ratio of two units' factors and the exponents
// of the quantities.
constexpr int kTasks[] = {10, 15, 20};
constexpr double kRatioLimits[] = {2000.0, 200000.0, 20000000.0};
constexpr int kHighestExponents[] = {1, 2, 3};
constexpr int kLowestExponents[] = {-1, -2, -3};
// The play time that costs one grade point: of a whole play, and of one ended early.
constexpr double kSecondsPerPointFinished = 180.0;
constexpr double kSecondsPerPointEnded = 120.0;
constexpr double kBigFontSize = 30.0;
// The help in the face of every help page, a little smaller for its table of units.
constexpr double kHelpFontSize = 19.0;


// The plate under "=" between the two quantities.
const SheetRegion kPlate{"tile", {50, 350, 100, 400}};
constexpr float kPlateHalf = 25.0f;
// Quantity boxes: 17 pixels a character, at least 50 wide, 50 high, 50 away
// from the centre; the tick 25 to the right of the answer's box.
constexpr float kBoxPerCharacter = 17.0f;
// Room inside the box on both sides of its text together.
constexpr float kBoxPadding = 24.0f;
constexpr float kBoxMinWidth = 50.0f;
constexpr float kBoxHeight = 50.0f;
constexpr float kBoxGap = 50.0f;
constexpr float kTickGap = 25.0f;

// A share as whole percent, cut toward zero and kept within what an int holds.
int Percent(double share) { return static_cast<int>(std::clamp(share * 100.0, 0.0, static_cast<double>(INT_MAX))); }

// The typed answer as a number; 0 for one without digits.
double ReadAnswer(const std::string& typed) {
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    return read.ec == std::errc() ? value : 0.0;
}

}  // namespace

KG_Umrechnen_Game::KG_Umrechnen_Game(int level)
    : TaskGame(level, kSaveFile, kTasks[std::clamp(level, 0, 2)], kBigFontSize, kSecondsPerPointFinished,
               kSecondsPerPointEnded),
      ratioLimit(kRatioLimits[this->level]),
      highestExponent(kHighestExponents[this->level]),
      lowestExponent(kLowestExponents[this->level]),
      helpFont(std::make_unique<Font>("Comic Sans MS", kHelpFontSize)) {
    NextTask();
}

KG_Umrechnen_Game::~KG_Umrechnen_Game() = default;

void KG_Umrechnen_Game::NextTask() {
    input.clear();
    task = UnitTask::Draw(ratioLimit, lowestExponent, highestExponent);
    sourceText = units::DecimalText(task.sourceValue, app->decimalMark);
    targetText = units::DecimalText(task.targetValue, app->decimalMark);
}

void KG_Umrechnen_Game::OnKeyDown(uint16_t key) {
    if (!TakesAnswerKeys()) {
        return;
    }
    // A comma or a point types the decimal point.
    if (key == platform::vk::OemComma || key == platform::vk::OemPeriod || key == platform::vk::Decimal) {
        if (input.size() < kMaxInput) {
            input += '.';
        }
    } else {
        EditDigits(input, key, kMaxInput);
    }
}

void KG_Umrechnen_Game::OnKeyUp(uint16_t key) {
    if (key != platform::vk::Return || !TakesAnswerKeys() || input.empty()) {
        return;
    }
    const double error = task.RelativeError(ReadAnswer(input));
    errorSum += error;
    largestError = std::max(largestError, error);
    lastAnswerRight = error <= UnitTask::kTolerance;
    JudgeTypedAnswer(lastAnswerRight, lastAnswerRight ? kRightSeconds : kWrongSeconds);
}

void KG_Umrechnen_Game::Render() {
    const float w = static_cast<float>(app->screenWidth);
    const float h = static_cast<float>(app->screenHeight);
    if (IsRunning()) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    DrawQuantity(units::Grouped(sourceText, app->decimalMark), task.sourceUnit, w / 2 - kBoxGap, true, kBlack, true);

    const Vec2 plateCorner{w / 2 - kPlateHalf, h / 2 - kPlateHalf};
    DrawSprite(app->textures[TEX_MISC1].get(), kPlate, nullptr, nullptr, 0.0, &plateCorner, kWhite);
    textRenderer->DrawTextAt("=", w / 2, h / 2, kBlack, kCentred, bigFont.get());

    const float answerLeft = w / 2 + kBoxGap;
    if (!ShowsVerdict()) {
        DrawQuantity(input, task.targetUnit, answerLeft, false, kBlack, true);
        return;
    }
    const float right = DrawQuantity(units::Grouped(targetText, app->decimalMark), task.targetUnit, answerLeft, false,
                                     lastAnswerRight ? kBlack : verdict::kSolutionColour, true);
    verdict::DrawMarkBeside(lastAnswerRight, answerLeft, h / 2 - kBoxHeight / 2, right, h / 2 + kBoxHeight / 2,
                            kTickGap);
}

float KG_Umrechnen_Game::DrawQuantity(const std::string& value, int unit, float edge, bool alignRight,
                                      uint32_t colour, bool showText) const {
    // Language texts are stored behind a blank, which then parts number and
    // unit; a unit without a name leaves the number alone.
    const std::string& name = GetTextOrEmpty(units::NameText(task.family, unit));
    std::string text = value;
    if (!name.empty()) {
        text += (name.front() == ' ' ? "" : " ") + name;
    }
    const float width = std::max(kBoxMinWidth, kBoxPadding + kBoxPerCharacter * static_cast<float>(text.size()));
    const float left = alignRight ? edge - width : edge;
    const float top = static_cast<float>(app->screenHeight) / 2 - kBoxHeight / 2;
    DrawTextBox(left, top, width, kBoxHeight);
    if (showText) {
        textRenderer->DrawTextAt(text, left + width / 2, top + kBoxHeight / 2, colour, kCentred, bigFont.get());
    }
    return left + width;
}

void KG_Umrechnen_Game::OnLostDevice() {
    TaskGame::OnLostDevice();
    helpFont->OnLostDevice();
}

void KG_Umrechnen_Game::OnResetDevice() {
    TaskGame::OnResetDevice();
    helpFont->OnResetDevice();
}

const std::string& KG_Umrechnen_Game::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Umrechnen_Game::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Umrechnen_Game::GetResultText() {
    const AnswerTally& tally = Tally();
    const double averageError = tally.Answered() > 0 ? errorSum / tally.Answered() : 0.0;
    resultText = PlayTimeText() + "\n" + tally.RightWrongLines() + "\n" + tally.PercentLine() + "\n" +
                 FormatText(kLargestErrorText, Percent(largestError)) + "\n" +
                 FormatText(kAverageErrorText, Percent(averageError)) + "\n\n" + GradeText();
    return resultText;
}

void KG_Umrechnen_Game::DrawHelpText(GUIElement* element, int left, int top, int right, int bottom, float x,
                                     float y, float scaleX, float scaleY, Font* /*font*/) {
    Knobel_Game::DrawHelpText(element, left, top, right, bottom, x, y, scaleX, scaleY, helpFont.get());
}
