#include "games/reaction/DigitReactionGame.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Font.h"
#include "app/MainLoop.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "media/Sound.h"
#include "platform/KeyMap.h"
#include "settings/TextFormat.h"

namespace {

constexpr double kDigitFontSize = 150.0;
constexpr int kHelpKey = 'H';
// Grade points of an error ratio of 1 in a play ended early.
constexpr double kAbortedErrorWeight = 10.0;
// Seconds of a full play that are worth one grade point.
constexpr double kSecondsPerBonusPoint = 120.0;

constexpr int kPlayTimeText = 37;
constexpr int kHitsText = 30;
constexpr int kFalseAlarmsText = 31;
constexpr int kMissesText = 35;
constexpr int kReactionTimeText = 39;

}  // namespace

DigitReactionGame::DigitReactionGame(int level, const std::string& saveFileName, const Timing (&timings)[3],
                                     double finishedErrorWeight)
    : Knobel_Game(level, saveFileName),
      digitFont(std::make_unique<Font>("Arial", kDigitFontSize)),
      showSeconds(timings[this->level].showSeconds),
      finishedErrorWeight(finishedErrorWeight),
      timeLeft(timings[this->level].playSeconds) {}

DigitReactionGame::~DigitReactionGame() = default;

void DigitReactionGame::OnLeftButtonDown(int /*x*/, int /*y*/) { React(); }

void DigitReactionGame::OnKeyDown(uint16_t key) {
    if (app->keyRepeat || key == platform::vk::Escape || key == platform::vk::Control ||
        (key == kHelpKey && HasHelp())) {
        return;
    }
    React();
}

void DigitReactionGame::React() {
    if (!IsRunning() || reacted) {
        return;
    }
    reacted = true;
    // In the blank the digit before it is still the one reacted to, and its
    // time runs on from its appearance.
    if (ShowsTarget()) {
        ++hits;
        reactionTimeSum += ReactionSeconds();
        PlaySound(SOUND_KLICK_GAME, 1.0f);
    } else {
        ++falseAlarms;
        PlaySound(SOUND_LAMP1, 1.0f);
    }
}

double DigitReactionGame::ReactionSeconds() const {
    // Without a frame that showed the digit (a loop that does not draw), the
    // frames' time since the update that brought it stands in.
    const bool presented = digitDrawn && app->presentedFrames > digitFrame;
    if (!presented || !app->hasPerformanceCounter) {
        return timeShown + SecondsSinceUpdate(*app);
    }
    const int64_t start = digitPresented ? digitStart : app->presentedCounter;
    return static_cast<double>(std::max<int64_t>(InputCounter(*app) - start, 0)) * app->secondsPerTick;
}

void DigitReactionGame::Render() {
    // A digit reaches the screen with the first frame that draws it, also
    // again after the pause page hid it.
    const bool drawsDigit = IsRunning() && !InBlank();
    if (drawsDigit && !digitOnScreen) {
        digitDrawn = true;
        digitFrame = app->presentedFrames;
        digitPresented = false;
    }
    digitOnScreen = drawsDigit;
    RenderPlay();
}

void DigitReactionGame::Update() {
    AddRecordsTime(app->frameTime);
    if (!IsRunning()) {
        return;
    }
    if (digitDrawn && !digitPresented && app->presentedFrames > digitFrame) {
        digitStart = app->presentedCounter;
        digitPresented = true;
    }
    timeLeft -= app->frameTime;
    timeShown += app->frameTime;
    if (timeLeft <= 0.0) {
        SetState(STATE_FINISHED);
        return;
    }
    AddPlayTime(app->frameTime);
    if (InBlank()) {
        blankTimer -= app->rawFrameTime;
        if (!InBlank()) {
            if (ShowsTarget() && !reacted) {
                ++misses;
            }
            reacted = false;
            ShowNextDigit();
            timeShown = 0.0;
            digitDrawn = false;
        }
    }
    if (timeShown >= showSeconds && !InBlank()) {
        blankTimer = kBlankSeconds;
    }
}

void DigitReactionGame::OnLostDevice() {
    Knobel_Game::OnLostDevice();
    digitFont->OnLostDevice();
}

void DigitReactionGame::OnResetDevice() {
    Knobel_Game::OnResetDevice();
    digitFont->OnResetDevice();
}

double DigitReactionGame::AverageReactionTime() const {
    return hits > 0 ? reactionTimeSum / hits : 0.0;
}

int DigitReactionGame::DigitNear(int centre, int maxStep) const {
    int candidate = shownDigit;
    while (candidate == shownDigit) {
        candidate = std::clamp(centre + Random() % (2 * maxStep + 1) - maxStep, 0, 9);
    }
    return candidate;
}

const std::string& DigitReactionGame::GetResultText() {
    ComputeGrade();
    resultText = PlayTimeText(kPlayTimeText) + "\n" + FormatText(kHitsText, hits) + "\n" +
                 FormatText(kFalseAlarmsText, falseAlarms) + "\n" + FormatText(kMissesText, misses) + "\n" +
                 FormatAverage(kReactionTimeText, reactionTimeSum, hits) + "\n\n" + GradeText();
    return resultText;
}

void DigitReactionGame::ComputeGrade() {
    const int events = hits + falseAlarms + misses;
    // Nothing happened that could be graded.
    if (events == 0) {
        SetGrade(kWorstGrade);
        return;
    }
    if (GetState() == STATE_FINISHED) {
        SetGrade(FinishedGrade(misses, GetPlaySeconds()));
        return;
    }
    // Ended early: never better than running the full time and missing every
    // target still to come, as many as the level shows on average in the time
    // left.
    const double targetsLeft = std::max(0.0, timeLeft) / (showSeconds + kBlankSeconds) * TargetShare();
    const double errorRatio = static_cast<double>(falseAlarms + misses) / events;
    SetGrade(std::max(errorRatio * kAbortedErrorWeight + 1.0 + AverageReactionTime(),
                      FinishedGrade(misses + targetsLeft, GetPlaySeconds() + std::max(0.0, timeLeft))));
}

double DigitReactionGame::FinishedGrade(double missed, double seconds) const {
    const double errors = falseAlarms + missed;
    const double errorRatio = errors / (hits + errors);
    return errorRatio * finishedErrorWeight + 1.0 + AverageReactionTime() - seconds / kSecondsPerBonusPoint;
}

void DigitReactionGame::DrawDigit(int digit, int left, int top, int right, int bottom, uint32_t colour) const {
    textRenderer->DrawText(std::to_string(digit), left, top, right, bottom, colour,
                           platform::dt::Center | platform::dt::VCenter, digitFont.get());
}
