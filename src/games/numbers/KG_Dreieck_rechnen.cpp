#include "games/numbers/KG_Dreieck_rechnen.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/numbers/ArithmeticTerm.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 42;
constexpr int kHelpText = 66;
// What to do, under the time.
constexpr int kPromptText = 373;
// Numbers in the top row and triangles per play, by level.
constexpr int kRowSizes[] = {3, 3, 4};
constexpr int kTasks[] = {10, 20, 20};
// The play time that costs one grade point.
constexpr double kSecondsPerGradePoint = 120.0;
constexpr double kFontSize = 35.0;

// The boxes of the top row's numbers and of the operator signs below.
const SheetRegion kNumberBox{"text box", {100, 450, 150, 500}};
const SheetRegion kOperatorBox{"operator box", {50, 450, 100, 500}};
constexpr float kBoxHalf = 25.0f;

}  // namespace

KG_Dreieck_rechnen::KG_Dreieck_rechnen(int level)
    : TaskGame(level, kSaveFile, kTasks[std::clamp(level, 0, 2)], kFontSize, kSecondsPerGradePoint),
      rowSize(kRowSizes[this->level]),
      triangle(std::make_unique<NumberTriangle>(rowSize, app->screenWidth)) {
    SeedRandom(TimeSeed());
}

KG_Dreieck_rechnen::~KG_Dreieck_rechnen() = default;

void KG_Dreieck_rechnen::OnKeyDown(uint16_t key) {
    if (TakesAnswerKeys()) {
        EditDigits(input, key, kMaxInput);
    }
}

void KG_Dreieck_rechnen::OnKeyUp(uint16_t key) {
    if (key == platform::vk::Return && TakesAnswerKeys() && !input.empty()) {
        JudgeTypedAnswer(InputIsRight(), kFeedbackSeconds);
    }
}

void KG_Dreieck_rechnen::NextTask() {
    triangle = std::make_unique<NumberTriangle>(rowSize, app->screenWidth);
    input.clear();
}

bool KG_Dreieck_rechnen::InputIsRight() const {
    return !input.empty() && DigitsValue(input) == triangle->Root().value;
}

void KG_Dreieck_rechnen::Render() {
    if (!IsStarted()) {
        return;
    }
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    textRenderer->DrawTextAt("=", static_cast<float>(w / 2), static_cast<float>(h / 2 + 50), kBlack, kCentred,
                             bigFont.get());
    DrawAnswer(static_cast<float>(w / 2), static_cast<float>(h / 2 + 100), input, InputIsRight(),
               std::to_string(triangle->Root().value));
    DrawNode(triangle->Root());
}

void KG_Dreieck_rechnen::DrawNode(const TriangleNode& node) const {
    const bool top = node.InTopRow();
    const Vec2 corner{node.x - kBoxHalf, node.y - kBoxHalf};
    DrawSprite(app->textures[TEX_MISC1].get(), top ? kNumberBox : kOperatorBox, nullptr, nullptr, 0.0, &corner,
               kWhite);
    const std::string label = top ? std::to_string(node.value)
                                  : arithmetic::Printed(std::string(1, arithmetic::Sign(node.op)), app->language);
    textRenderer->DrawTextAt(label, node.x, node.y, kBlack, kCentred, bigFont.get());
    if (!top) {
        DrawNode(*node.left);
        DrawNode(*node.right);
    }
}

const std::string& KG_Dreieck_rechnen::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Dreieck_rechnen::GetTitle() { return GetTextOrEmpty(kTitleText); }
