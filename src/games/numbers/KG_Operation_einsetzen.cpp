#include "games/base/VerdictMark.h"
#include "games/numbers/KG_Operation_einsetzen.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/numbers/ArithmeticTerm.h"
#include "games/base/TextBox.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 200;
constexpr int kHelpText = 201;
// What to do, under the time.
constexpr int kPromptText = 372;
// Expression depth and number of tasks by level.
constexpr int kDepths[] = {1, 2, 3};
constexpr int kTasks[] = {10, 15, 20};
// The play time that costs one grade point.
constexpr double kSecondsPerGradePoint = 240.0;
constexpr double kFontSize = 40.0;

const SheetRegion kOperatorBox{"operator box", {50, 450, 100, 500}};
constexpr int kSpriteSize = 50;
constexpr float kSpriteHalf = 25.0f;
// Operator pictures in misc2: row of the plain and of the highlighted ones.
constexpr int kOperatorRow = 350;
constexpr int kHighlightedRow = 400;
// A text box is 20 pixels a character wide, at least 50, and 50 high.
constexpr float kBoxPerCharacter = 20.0f;
// Room inside the box on both sides of its text together.
constexpr float kBoxPadding = 24.0f;
constexpr float kBoxHeight = 50.0f;

// The operator a key chooses, or kNoOperator.
int OperatorOfKey(uint16_t key) {
    switch (key) {
        case 'A':
        case platform::vk::Add:
            return arithmetic::kAdd;
        case 'S':
        case platform::vk::Subtract:
            return arithmetic::kSubtract;
        case 'M':
        case platform::vk::Multiply:
            return arithmetic::kMultiply;
        case 'D':
        case platform::vk::Divide:
            return arithmetic::kDivide;
        default:
            return KG_Operation_einsetzen::kNoOperator;
    }
}

SheetRegion OperatorPicture(int op, int row) {
    static const char* const kNames[] = {"+", "-", "x", "/"};
    return {std::string("operator ") + kNames[op & 3] + (row == kHighlightedRow ? " lit" : ""),
            {kSpriteSize * op, row, kSpriteSize * op + kSpriteSize, row + kSpriteSize}};
}

void DrawAt(const platform::Texture* texture, const SheetRegion& region, float x, float y) {
    const Vec2 corner{x, y};
    DrawSprite(texture, region, nullptr, nullptr, 0.0, &corner, kWhite);
}

}  // namespace

KG_Operation_einsetzen::KG_Operation_einsetzen(int level)
    : TaskGame(level, kSaveFile, kTasks[std::clamp(level, 0, 2)], kFontSize, kSecondsPerGradePoint),
      depth(kDepths[this->level]) {
    NextTask();
}

KG_Operation_einsetzen::~KG_Operation_einsetzen() = default;

void KG_Operation_einsetzen::NextTask() {
    const ArithmeticTerm left(0, depth, true, true);
    const ArithmeticTerm right(0, depth, true, true);
    leftText = left.Text();
    rightText = right.Text();
    a = left.Value();
    b = right.Value();
    chosenOperator = kNoOperator;
    taskOperator = arithmetic::FirstAllowedOperator(a, b, kLargestProduct);
    c = arithmetic::Apply(taskOperator, a, b);
    resultValueText = std::to_string(c);
}

void KG_Operation_einsetzen::OnKeyDown(uint16_t key) {
    // The choice stays as it was confirmed while its verdict shows.
    if (!TakesAnswerKeys()) {
        return;
    }
    const int op = OperatorOfKey(key);
    if (op != kNoOperator) {
        chosenOperator = op;
    }
}

void KG_Operation_einsetzen::OnKeyUp(uint16_t key) {
    // One answer per task: Enter during the verdict is not taken.
    if (key != platform::vk::Return || !TakesAnswerKeys() || chosenOperator == kNoOperator) {
        return;
    }
    if (chosenOperator == taskOperator || ChosenGivesResult()) {
        taskOperator = chosenOperator;
        CountAnswer(true, kRightSeconds);
    } else {
        CountAnswer(false, kWrongSeconds);
    }
}

bool KG_Operation_einsetzen::ChosenGivesResult() const {
    if (chosenOperator == arithmetic::kDivide) {
        return a == c * b;
    }
    return arithmetic::Apply(chosenOperator, a, b) == c;
}

void KG_Operation_einsetzen::Render() {
    if (!IsStarted()) {
        return;
    }
    const float w = static_cast<float>(app->screenWidth);
    const float h = static_cast<float>(app->screenHeight);
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    DrawBoxedText(arithmetic::Printed(leftText, app->language), w / 2, 0.4f * h);
    DrawBoxedText(arithmetic::Printed(rightText, app->language), w / 2, 0.6f * h);
    DrawAt(app->textures[TEX_MISC1].get(), kOperatorBox, w / 2 - kSpriteHalf, 0.7f * h - kSpriteHalf);
    textRenderer->DrawTextAt("=", w / 2, 0.7f * h, kBlack, kCentred, bigFont.get());
    DrawBoxedText(resultValueText, w / 2, 0.8f * h);
    DrawOperatorPlace(w / 2, h / 2);
}

void KG_Operation_einsetzen::DrawBoxedText(const std::string& text, float x, float y) const {
    const float width =
        std::max(static_cast<float>(kSpriteSize), kBoxPadding + kBoxPerCharacter * static_cast<float>(text.size()));
    DrawCentredTextBox(x, y, width, kBoxHeight);
    textRenderer->DrawTextAt(text, x, y, kBlack, kCentred, bigFont.get());
}

void KG_Operation_einsetzen::DrawOperatorPlace(float x, float y) const {
    const platform::Texture* misc1 = app->textures[TEX_MISC1].get();
    const platform::Texture* misc2 = app->textures[TEX_MISC2].get();
    const float left = x - kSpriteHalf;
    const float top = y - kSpriteHalf;
    if (ShowsVerdict()) {
        // The right operator either way; after a wrong choice in the colours
        // of a solution, beside the cross.
        const bool right = chosenOperator == taskOperator;
        DrawAt(misc2, OperatorPicture(taskOperator, right ? kOperatorRow : kHighlightedRow), left, top);
        verdict::DrawMark(right, x + kSpriteHalf, top);
    } else if (chosenOperator != kNoOperator) {
        DrawAt(misc2, OperatorPicture(chosenOperator, kOperatorRow), left, top);
    } else {
        DrawAt(misc1, kOperatorBox, left, top);
    }
}

const std::string& KG_Operation_einsetzen::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Operation_einsetzen::GetTitle() { return GetTextOrEmpty(kTitleText); }
