#include "games/reaction/KG_ReaktionII.h"

#include "app/AppState.h"
#include "app/Random.h"
#include "app/Sprite.h"
#include "app/Textures.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 16;
constexpr int kHelpText = 72;
// What to do, under the time.
constexpr int kPromptText = 381;
constexpr DigitReactionGame::Timing kTimings[] = {{45.0, 0.75}, {60.0, 0.66}, {75.0, 0.4}};
constexpr double kFinishedErrorWeight = 5.0;
// A next digit lies at most this far from the one before.
constexpr int kMaxStep = 2;

const SheetRegion kCard{"card left", {150, 330, 270, 500}};
constexpr int kCardHalfWidth = 60;
constexpr int kCardHalfHeight = 85;
constexpr int kDigitHalfBox = 100;
constexpr uint32_t kDigitColour = 0xFFFF0000u;

}  // namespace

KG_ReaktionII::KG_ReaktionII(int level) : DigitReactionGame(level, kSaveFile, kTimings, kFinishedErrorWeight) {
    shownDigit = Random() % 10;
}

void KG_ReaktionII::ShowNextDigit() {
    digitTwoBack = previousDigit;
    previousDigit = shownDigit;
    shownDigit = DrawNextDigit();
}

int KG_ReaktionII::DrawNextDigit() { return DigitNear(shownDigit, kMaxStep); }

void KG_ReaktionII::RenderPlay() {
    if (!IsRunning()) {
        return;
    }
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    DrawTimePanel(GetTextOrEmpty(kPromptText));
    const Vec2 at{static_cast<float>(w / 2 - kCardHalfWidth), static_cast<float>(h / 2 - kCardHalfHeight)};
    DrawSprite(app->textures[TEX_MISC1].get(), kCard, nullptr, nullptr, 0.0, &at, 0xFFFFFFFFu);
    if (!InBlank()) {
        DrawDigit(shownDigit, w / 2 - kDigitHalfBox, h / 2 - kDigitHalfBox, w / 2 + kDigitHalfBox,
                  h / 2 + kDigitHalfBox, kDigitColour);
    }
}

const std::string& KG_ReaktionII::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_ReaktionII::GetTitle() { return GetTextOrEmpty(kTitleText); }
