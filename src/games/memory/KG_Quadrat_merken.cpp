#include "games/memory/KG_Quadrat_merken.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 21;
constexpr int kHelpText = 70;
constexpr int kSomeRightText = 25;
constexpr int kAllRightText = 26;
constexpr int kWatchText = 51;
constexpr int kYourTurnText = 52;
constexpr int kGridSize = 200;
constexpr int kGap = 3;

struct LevelSet {
    int patterns;
    int side;
    double showSeconds;
};

constexpr LevelSet kLevels[] = {{5, 3, 3.0}, {6, 3, 2.0}, {6, 4, 4.0}};

}  // namespace

KG_Quadrat_merken::KG_Quadrat_merken(int level)
    : Knobel_Game(level, kSaveFile),
      showSeconds(kLevels[this->level].showSeconds) {
    const LevelSet set = kLevels[this->level];
    const int type = Random() % GridSquare::kTypes;
    patterns.reserve(static_cast<size_t>(set.patterns));
    answers.reserve(static_cast<size_t>(set.patterns));
    for (int i = 0; i < set.patterns; ++i) {
        patterns.emplace_back(true, set.side, type, kGridSize, std::nullopt, kGap);
        answers.emplace_back(false, set.side, type, kGridSize, std::nullopt, kGap);
    }
}

int KG_Quadrat_merken::CorrectCount() const {
    return static_cast<int>(std::count_if(patterns.begin(), patterns.end(), [&](const SquareGrid& pattern) {
        return std::any_of(answers.begin(), answers.end(),
                           [&](const SquareGrid& answer) { return answer.Equals(pattern); });
    }));
}

void KG_Quadrat_merken::OnLeftButtonDown(int x, int y) {
    if (!IsRunning() || showing) {
        return;
    }
    answers[static_cast<size_t>(position)].Click(static_cast<float>(x), static_cast<float>(y));
}

void KG_Quadrat_merken::OnKeyUp(uint16_t key) {
    if (key != kEnterKey || !IsRunning() || showing) {
        return;
    }
    ++position;
    if (position >= static_cast<int>(answers.size())) {
        SetState(STATE_FINISHED);
        showing = true;
    }
}

void KG_Quadrat_merken::Update() {
    if (IsStarted()) {
        if (showing) {
            stepTimer -= app->rawFrameTime;
            if (stepTimer <= 0.0) {
                stepTimer = showSeconds;
                ++position;
                if (position >= PatternCount()) {
                    position = 0;
                    showing = false;
                }
            }
        } else {
            AddPlayTime(app->frameTime);
        }
    }
    AddRecordsTime(app->frameTime);
}

void KG_Quadrat_merken::Render() {
    if (!IsStarted()) {
        return;
    }
    if (IsRunning()) {
        const size_t index = static_cast<size_t>(position);
        if (showing) {
            patterns[index].Draw();
            DrawTimePanel(FormatText(kWatchText, position + 1, PatternCount()));
        } else {
            answers[index].Draw();
            DrawTimePanel(FormatText(kYourTurnText, position + 1, PatternCount()));
        }
    }
}

const std::string& KG_Quadrat_merken::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Quadrat_merken::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Quadrat_merken::GetResultText() {
    const int right = CorrectCount();
    const int count = PatternCount();
    resultText = PlayTimeText() + "\n" + FormatText(right == count ? kAllRightText : kSomeRightText, right, count) +
                 "\n\n" + GradeText();
    return resultText;
}

void KG_Quadrat_merken::ComputeGrade() {
    // A play ended early counts the answers given so far (its state stays), and
    // its time weighs double.
    const double count = PatternCount();
    const double secondsPerGrade = GetState() == STATE_FINISHED ? 120.0 : 60.0;
    SetGrade((count - CorrectCount()) / count * 5.0 + 1.0 + GetPlaySeconds() / secondsPerGrade);
}
