#include "games/numbers/KG_Uhr_lesen.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 110;
constexpr int kHelpText = 111;
// Clocks per row and rows per play by level.
constexpr int kClockCounts[] = {2, 2, 3};
constexpr int kTasks[] = {5, 10, 15};
// Each clock of a row chooses its own kind from level 1 on.
constexpr int kMixedDisplays = 2;
// What to do, and the label of a span.
constexpr int kPromptText = 384;
constexpr int kSpanText = 385;
// Under the clock: a dial is taller than a display.
constexpr float kDigitalLabelDrop = 75.0f;
constexpr float kAnalogLabelDrop = 115.0f;
// The plus, minus and equals signs between the clocks.
constexpr double kSignSize = 40.0;
constexpr double kClockSize = 200.0;
// The play time that costs one grade point.
constexpr double kSecondsPerGradePoint = 120.0;
// The clocks' font.
constexpr double kFontSize = 40.0;

const SheetRegion kBox{"text box", {100, 450, 150, 500}};
constexpr float kBoxHalf = 25.0f;
// The answer box is one and a half boxes wide.
constexpr float kAnswerBoxWidth = 1.5f;
constexpr int kMinutesPerHour = 60;

}  // namespace

KG_Uhr_lesen::KG_Uhr_lesen(int level)
    : TaskGame(level, kSaveFile, kTasks[std::clamp(level, 0, 2)], kFontSize, kSecondsPerGradePoint),
      clockCount(kClockCounts[this->level]) {
    NextTask();
}

KG_Uhr_lesen::~KG_Uhr_lesen() = default;

void KG_Uhr_lesen::NextTask() {
    clocks.clear();
    signs.clear();
    input.clear();
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    const float step = static_cast<float>((w * 3 / 4) / (clockCount - 1));
    Vec2 position{static_cast<float>(w / 8), static_cast<float>(h / 3)};
    const int displayMode = level == 0 ? Random() % 2 : kMixedDisplays;
    for (int i = 0; i < clockCount; ++i) {
        clocks.emplace_back(position, displayMode, kClockSize);
        if (i > 0) {
            clocks.back().ShowSpan();
            const bool minus = Random() % 2 == 1;
            signs.push_back({{position.x - step / 2, position.y}, minus});
        }
        position.x += step;
    }
    answer = RowTime(clocks, signs);
}

int KG_Uhr_lesen::RowTime(const std::vector<ClockFace>& clocks, const std::vector<Sign>& signs) {
    if (clocks.empty()) {
        return 0;
    }
    int time = clocks[0].TimeValue();
    for (std::size_t i = 1; i < clocks.size(); ++i) {
        const bool minus = i - 1 < signs.size() && signs[i - 1].minus;
        time += minus ? ClockFace::kMinutesPerDay - clocks[i].TimeValue() : clocks[i].TimeValue();
    }
    return time % ClockFace::kMinutesPerDay;
}

int KG_Uhr_lesen::TypedMinutes(const std::string& digits) {
    const int n = DigitsValue(digits);
    return n < 100 ? n : n / 100 * kMinutesPerHour + n % 100;
}

std::string KG_Uhr_lesen::TypedTimeText(const std::string& digits) {
    const int n = DigitsValue(digits);
    const int hours = n < 100 ? 0 : n / 100;
    return ClockFace::TimeText(hours, n - hours * 100);
}

void KG_Uhr_lesen::OnKeyDown(uint16_t key) {
    if (TakesAnswerKeys()) {
        EditDigits(input, key, kMaxInput);
    }
}

void KG_Uhr_lesen::OnKeyUp(uint16_t key) {
    if (key == platform::vk::Return && TakesAnswerKeys() && !input.empty()) {
        JudgeTypedAnswer(InputIsRight(), kFeedbackSeconds);
    }
}

bool KG_Uhr_lesen::InputIsRight() const { return !input.empty() && TypedMinutes(input) == answer; }

void KG_Uhr_lesen::Render() {
    if (!IsStarted()) {
        return;
    }
    const float w = static_cast<float>(app->screenWidth);
    const float h = static_cast<float>(app->screenHeight);
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    for (const Sign& sign : signs) {
        DrawSign(sign);
    }
    // The first clock tells a time of day, every later one a span to add or
    // take away: each span says so under it.
    for (size_t i = 0; i < clocks.size(); ++i) {
        clocks[i].Draw(bigFont.get());
        if (i > 0) {
            const Vec2 at = clocks[i].Position();
            const float drop = clocks[i].IsAnalog() ? kAnalogLabelDrop : kDigitalLabelDrop;
            textRenderer->DrawTextAt(GetTextOrEmpty(kSpanText), at.x, at.y + drop, kBlack, kCentred, smallFont);
        }
    }
    textRenderer->DrawTextAt("=", w / 2, h / 2 + 50, kBlack, kCentred, textRenderer->AddFont("Arial", kSignSize));
    const std::string correct = ClockFace::TimeText(answer / kMinutesPerHour, answer % kMinutesPerHour, " : ");
    DrawAnswer(w / 2, h / 2 + 150, kAnswerBoxWidth, TypedTimeText(input), InputIsRight(), correct, smallFont);
}

void KG_Uhr_lesen::DrawSign(const Sign& sign) const {
    const Vec2 corner{sign.position.x - kBoxHalf, sign.position.y - kBoxHalf};
    DrawSprite(app->textures[TEX_MISC1].get(), kBox, nullptr, nullptr, 0.0, &corner, kWhite);
    textRenderer->DrawTextAt(sign.minus ? "\x96" : "+", sign.position.x, sign.position.y, kBlack, kCentred,
                             textRenderer->AddFont("Arial", kSignSize));
}

const std::string& KG_Uhr_lesen::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Uhr_lesen::GetTitle() { return GetTextOrEmpty(kTitleText); }
