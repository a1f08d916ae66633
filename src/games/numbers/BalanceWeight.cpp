#include "games/numbers/BalanceWeight.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"

namespace {

const SheetRegion kWeightRegion{"weight", {416, 353, 482, 481}};
// The foot of the weight in its picture, and its hit box, before scaling.
constexpr float kFootX = 33.0f;
constexpr float kFootY = 100.0f;
constexpr float kHitHalfWidth = 30.0f;
constexpr float kHitHeight = 115.0f;
// The mass label stands this far above the foot.
constexpr float kLabelAboveFoot = 20.0f;

constexpr uint32_t kGrey = 0xFF7F7F7Fu;
constexpr uint32_t kRed = 0xFFFF0000u;

}  // namespace

BalanceWeight::BalanceWeight(int grams, float x, float y, bool movable)
    : movable(movable), positionX(x), positionY(y), targetX(x), targetY(y), grams(grams) {}

void BalanceWeight::SetTarget(float x, float y) {
    targetX = x;
    targetY = y;
}

void BalanceWeight::MoveTarget(float dx, float dy) {
    targetX += dx;
    targetY += dy;
}

void BalanceWeight::Glide(double seconds) {
    const double part = std::clamp(seconds * kGlideSpeed, 0.0, 1.0);
    positionX += static_cast<float>((targetX - positionX) * part);
    positionY += static_cast<float>((targetY - positionY) * part);
}

bool BalanceWeight::HitTest(int x, int y) const {
    const double scale = kScale;
    return std::fabs(x - positionX) <= kHitHalfWidth * scale && positionY - kHitHeight * scale <= y &&
           y <= positionY;
}

void BalanceWeight::Draw() const {
    const float s = static_cast<float>(kScale);
    const Vec2 scaling{s, s};
    const Vec2 corner{positionX - kFootX * s, positionY - kFootY * s};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), kWeightRegion, &scaling, nullptr, 0.0, &corner,
               movable ? kWhite : kGrey);
    TextRenderer* text = GetTextRenderer();
    text->DrawTextAt(std::to_string(grams) + "g", positionX, positionY - kLabelAboveFoot,
                     movable ? kWhite : kRed, platform::dt::Center, text->DefaultFont());
}
