#include "games/reaction/KG_Zahlen_klicken.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 120;
constexpr int kHelpText = 121;
constexpr int kAscendingText = 122;
constexpr int kDescendingText = 123;
constexpr int kWrongClicksText = 124;
constexpr int kPerfectRoundsText = 118;
constexpr int kFailedRoundsText = 119;
constexpr int kPerfectShareText = 32;
constexpr int kRoundSecondsText = 41;

constexpr int kGridSizeByLevel[] = {2, 3, 4};
constexpr float kCellStep = 54.0f;
constexpr double kRestSeconds = 1.0;
constexpr double kSecondsPerGradePoint = 60.0;


}  // namespace

KG_Zahlen_klicken::KG_Zahlen_klicken(int level)
    : Knobel_Game(level, kSaveFile),
      orderMode(static_cast<OrderMode>(this->level)),
      gridSize(kGridSizeByLevel[this->level]) {
    SetUpRound();
}

void KG_Zahlen_klicken::SetUpRound() {
    tiles.clear();
    roundClean = true;
    switch (orderMode) {
    case ALWAYS_ASCENDING:
        ascending = true;
        break;
    case ALWAYS_DESCENDING:
        ascending = false;
        break;
    case RANDOM_ORDER:
        ascending = (Random() & 1) != 0;
        break;
    }
    // The grid is centred on the screen.
    const float n = static_cast<float>(gridSize);
    const float x0 = static_cast<float>(app->screenWidth) / 2.0f - n / 2.0f * kCellStep + kCellStep / 2.0f;
    const float y0 = static_cast<float>(app->screenHeight) / 2.0f - n / 2.0f * kCellStep + kCellStep / 2.0f;
    bool used[kNumberRange] = {};
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            int number = Random() % kNumberRange;
            while (used[number]) {
                number = Random() % kNumberRange;
            }
            used[number] = true;
            // The list stays in click order: the tile goes before the first one
            // that is to be clicked after it.
            const auto later = std::find_if(tiles.begin(), tiles.end(), [&](const NumberTile& tile) {
                return ascending ? tile.Number() > number : tile.Number() < number;
            });
            tiles.insert(later, NumberTile(x0 + kCellStep * static_cast<float>(i),
                                           y0 + kCellStep * static_cast<float>(j), number));
        }
    }
}

void KG_Zahlen_klicken::OnLeftButtonDown(int x, int y) {
    if (!IsRunning() || Resting()) {
        return;
    }
    const auto hit =
        std::find_if(tiles.begin(), tiles.end(), [&](const NumberTile& tile) { return tile.HitTest(x, y); });
    if (hit == tiles.end()) {
        return;
    }
    // The first tile of the list is the one whose turn it is.
    const bool correct = hit == tiles.begin();
    hit->MarkClicked(correct);
    roundClean = roundClean && correct;
    if (!correct) {
        ++wrongClicks;
        return;
    }
    tiles.erase(hit);
    if (tiles.empty()) {
        pauseTimer = kRestSeconds;
        ++(roundClean ? rounds.right : rounds.wrong);
    }
}

void KG_Zahlen_klicken::Update() {
    AddRecordsTime(app->frameTime);
    if (!IsRunning()) {
        return;
    }
    if (!Resting()) {
        AddPlayTime(app->frameTime);
        return;
    }
    pauseTimer -= app->frameTime;
    if (!Resting()) {
        if (rounds.AllAnswered()) {
            SetState(STATE_FINISHED);
        } else {
            SetUpRound();
        }
    }
}

void KG_Zahlen_klicken::Render() {
    if (!IsStarted()) {
        return;
    }
    if (IsRunning()) {
        DrawTimePanel(GetTextOrEmpty(ascending ? kAscendingText : kDescendingText));
    }
    for (const NumberTile& tile : tiles) {
        tile.Draw();
    }
}

const std::string& KG_Zahlen_klicken::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Zahlen_klicken::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Zahlen_klicken::GetResultText() {
    // Seven lines, as many as the result page holds below its title.
    resultText = PlayTimeText() + "\n" + FormatText(kWrongClicksText, wrongClicks) + "\n" +
                 FormatText(kPerfectRoundsText, rounds.right) + "\n" + FormatText(kFailedRoundsText, rounds.wrong) +
                 "\n" + FormatText(kPerfectShareText, rounds.PercentRight()) + "\n" +
                 FormatAverage(kRoundSecondsText, GetPlaySeconds(), rounds.Answered()) + "\n" + GradeText();
    return resultText;
}

void KG_Zahlen_klicken::ComputeGrade() {
    SetGrade(rounds.Grade(GetState() == STATE_FINISHED, GetPlaySeconds(), kSecondsPerGradePoint));
}
