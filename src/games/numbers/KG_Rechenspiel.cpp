#include "games/numbers/KG_Rechenspiel.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 13;
constexpr int kHelpText = 73;
// What to do, under the time.
constexpr int kPromptText = 371;
// Expression depth and number of tasks by level.
constexpr int kDepths[] = {3, 4, 5};
constexpr int kTasks[] = {10, 15, 20};
// The play time that costs one grade point.
constexpr double kSecondsPerGradePoint = 120.0;
constexpr double kFontSize = 30.0;

}  // namespace

KG_Rechenspiel::KG_Rechenspiel(int level)
    : TaskGame(level, kSaveFile, kTasks[std::clamp(level, 0, 2)], kFontSize, kSecondsPerGradePoint),
      maxDepth(kDepths[this->level]),
      term(std::make_unique<ArithmeticTerm>(0, maxDepth, true, false)) {
    SeedRandom(TimeSeed());
}

KG_Rechenspiel::~KG_Rechenspiel() = default;

void KG_Rechenspiel::OnKeyDown(uint16_t key) {
    if (TakesAnswerKeys()) {
        EditDigits(input, key, kMaxInput);
    }
}

void KG_Rechenspiel::OnKeyUp(uint16_t key) {
    if (key == platform::vk::Return && TakesAnswerKeys() && !input.empty()) {
        JudgeTypedAnswer(InputIsRight(), kFeedbackSeconds);
    }
}

void KG_Rechenspiel::Render() {
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    if (IsRunning()) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    textRenderer->DrawText(arithmetic::Printed(term->Text(), app->language), w / 2 - 300, h / 2 - 100, w / 2 + 300, h / 2, kBlack,
                           kCentred | platform::dt::WordBreak, bigFont.get());
    textRenderer->DrawTextAt("=", static_cast<float>(w / 2), static_cast<float>(h / 2 + 50), kBlack, kCentred,
                             bigFont.get());
    DrawAnswer(static_cast<float>(w / 2), static_cast<float>(h / 2 + 100), input, InputIsRight(),
               std::to_string(term->Value()));
}

const std::string& KG_Rechenspiel::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Rechenspiel::GetTitle() { return GetTextOrEmpty(kTitleText); }

bool KG_Rechenspiel::InputIsRight() const {
    return !input.empty() && DigitsValue(input) == term->Value();
}

void KG_Rechenspiel::NextTask() {
    term = std::make_unique<ArithmeticTerm>(0, maxDepth, true, false);
    input.clear();
}
