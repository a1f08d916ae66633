#include "games/memory/KG_Gedaechtnis.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Random.h"
#include "games/base/GridSquare.h"
#include "games/memory/RoundCardLayout.h"
#include "media/Sound.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 18;
constexpr int kHelpText = 67;
constexpr int kLostText = 36;
constexpr int kWonText = 38;
constexpr int kWatchText = 51;
constexpr int kYourTurnText = 52;
// Symbols stay size + 100 pixels or more from the screen edges.
constexpr int kEdgeMargin = 100;
// A symbol lights for this part of its step while the sequence is shown.
constexpr double kGlowShare = 4.0 / 5.0;
// Each second a right click takes on average costs this many grade points.
constexpr double kGradePerSecondPerClick = 0.5;

struct SymbolSet {
    int count;
    double size;
};

constexpr SymbolSet kSymbolsByLevel[] = {{20, 40.0}, {30, 30.0}, {40, 20.0}};

}  // namespace

KG_Gedächtnis::KG_Gedächtnis(int level) : Knobel_Game(level, kSaveFile) {
    const SymbolSet set = kSymbolsByLevel[this->level];
    const int type = Random() % GridSquare::kTypes;
    const RoundCardLayout layout(set.count, set.size, app->screenWidth, app->screenHeight,
                                 RoundCardLayout::kDefaultMaxAttempts, kEdgeMargin);
    for (const Vec2& centre : layout.centres) {
        symbols.emplace_back(type, set.size, centre);
    }
    for (int i = 0; i < kFirstLength; ++i) {
        sequence.push_back(Random() % set.count);
    }
}

int KG_Gedächtnis::RepeatedLength() const {
    const int length = static_cast<int>(sequence.size());
    if (GetState() == STATE_FINISHED && length == SymbolCount()) {
        return length;
    }
    return length > kFirstLength ? length - 1 : 0;
}

int KG_Gedächtnis::SymbolAt(float x, float y) const {
    for (size_t i = 0; i < symbols.size(); ++i) {
        if (symbols[i].HitTest(x, y)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void KG_Gedächtnis::OnLeftButtonDown(int x, int y) {
    if (!IsRunning() || showing) {
        return;
    }
    // One symbol per click: of touching symbols the first in the list counts.
    const int hit = SymbolAt(static_cast<float>(x), static_cast<float>(y));
    if (hit < 0) {
        return;
    }
    symbols[static_cast<size_t>(hit)].SetGlow(kClickGlowSeconds);
    if (hit != sequence[static_cast<size_t>(position)]) {
        SetState(STATE_FAILED);
        PlaySound(SOUND_ALARM, 1.0f);
        return;
    }
    ++position;
    ++rightClicks;
    if (position < static_cast<int>(sequence.size())) {
        return;
    }
    if (static_cast<int>(sequence.size()) == SymbolCount()) {
        SetState(STATE_FINISHED);
        return;
    }
    sequence.push_back(Random() % SymbolCount());
    position = 0;
    showing = true;
    stepTimer = kPauseBeforeShowing;
}

void KG_Gedächtnis::ShowStep() {
    const int length = static_cast<int>(sequence.size());
    const double step = kShowSeconds / length;
    stepTimer = step;
    if (position < length) {
        symbols[static_cast<size_t>(sequence[static_cast<size_t>(std::max(position - 1, 0))])].SetGlow(0.0);
        symbols[static_cast<size_t>(sequence[static_cast<size_t>(position)])].SetGlow(step * kGlowShare);
        ++position;
    } else {
        position = 0;
        showing = false;
    }
}

void KG_Gedächtnis::Update() {
    if (IsStarted()) {
        for (RecallSymbol& symbol : symbols) {
            symbol.CountDown(app->rawFrameTime);
        }
        if (showing) {
            stepTimer -= app->rawFrameTime;
            if (stepTimer <= 0.0) {
                ShowStep();
            }
        }
        if (!showing) {
            AddPlayTime(app->frameTime);
        }
    }
    AddRecordsTime(app->frameTime);
}

void KG_Gedächtnis::Render() {
    if (IsRunning()) {
        const int length = static_cast<int>(sequence.size());
        const std::string status =
            showing ? FormatText(kWatchText, position, length) : FormatText(kYourTurnText, position + 1, length);
        DrawTimePanel(status);
    }
    for (const RecallSymbol& symbol : symbols) {
        symbol.Draw();
    }
}

const std::string& KG_Gedächtnis::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Gedächtnis::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Gedächtnis::GetResultText() {
    const std::string outcome =
        GetState() == STATE_FINISHED ? FormatText(kWonText) : FormatText(kLostText, RepeatedLength());
    resultText = PlayTimeText() + "\n" + outcome + "\n\n" + GradeText();
    return resultText;
}

void KG_Gedächtnis::ComputeGrade() {
    // The length repeated, however the play ended, and the pace of the clicks:
    // a longer sequence is never worth less for taking longer to repeat, and
    // no sequence repeated is worth nothing.
    const double repeated = RepeatedLength();
    const double secondsPerClick = rightClicks > 0 ? GetPlaySeconds() / rightClicks : 0.0;
    SetGrade((1.0 - repeated / SymbolCount()) * 5.0 + 1.0 + secondsPerClick * kGradePerSecondPerClick);
}
