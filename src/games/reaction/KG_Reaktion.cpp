#include "games/reaction/KG_Reaktion.h"

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/Textures.h"
#include "app/Random.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 15;
constexpr int kHelpText = 71;
// What to do, under the time.
constexpr int kPromptText = 380;
constexpr DigitReactionGame::Timing kTimings[] = {{45.0, 0.5}, {60.0, 0.4}, {75.0, 0.3}};
constexpr double kFinishedErrorWeight = 10.0;
// A new target holds for 5 to 14 digit changes.
constexpr int kTargetHoldMin = 5;
constexpr int kTargetHoldSpread = 10;
// The red digit is the target or a neighbour of it.
constexpr int kNeighbourStep = 1;

const SheetRegion kLeftCard{"card left", {150, 330, 270, 500}};
const SheetRegion kRightCard{"card right", {270, 330, 390, 500}};
// The cards' outer edges lie this far left and right of the middle.
constexpr int kCardOffset = 160;
constexpr int kCardHalfHeight = 85;
constexpr int kDigitBox = 200;
constexpr uint32_t kTargetColour = 0xFF00FF00u;
constexpr uint32_t kShownColour = 0xFFFF0000u;

}  // namespace

KG_Reaktion::KG_Reaktion(int level) : DigitReactionGame(level, kSaveFile, kTimings, kFinishedErrorWeight) {
    targetDigit = Random() % 10;
    shownDigit = Random() % 10;
}

void KG_Reaktion::ShowNextDigit() {
    --digitsUntilNewTarget;
    if (digitsUntilNewTarget < 1) {
        targetDigit = Random() % 10;
        digitsUntilNewTarget = Random() % kTargetHoldSpread + kTargetHoldMin;
    }
    shownDigit = DigitNear(targetDigit, kNeighbourStep);
}

void KG_Reaktion::RenderPlay() {
    if (!IsRunning()) {
        return;
    }
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    DrawTimePanel(GetTextOrEmpty(kPromptText));
    const platform::Texture* misc1 = app->textures[TEX_MISC1].get();
    // The right card is drawn mirrored: it reaches back to the left from its
    // translation by its width.
    const Vec2 leftAt{static_cast<float>(w / 2 - kCardOffset), static_cast<float>(h / 2 - kCardHalfHeight)};
    const Vec2 mirror{-1.0f, 1.0f};
    const Vec2 rightAt{static_cast<float>(w / 2 + kCardOffset), static_cast<float>(h / 2 - kCardHalfHeight)};
    DrawSprite(misc1, kLeftCard, nullptr, nullptr, 0.0, &leftAt, 0xFFFFFFFFu);
    DrawSprite(misc1, kRightCard, &mirror, nullptr, 0.0, &rightAt, 0xFFFFFFFFu);
    DrawDigit(targetDigit, w / 2 - kDigitBox, h / 2 - kDigitBox / 2, w / 2, h / 2 + kDigitBox / 2, kTargetColour);
    if (!InBlank()) {
        DrawDigit(shownDigit, w / 2, h / 2 - kDigitBox / 2, w / 2 + kDigitBox, h / 2 + kDigitBox / 2, kShownColour);
    }
}

const std::string& KG_Reaktion::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Reaktion::GetTitle() { return GetTextOrEmpty(kTitleText); }
