#include "games/numbers/MoneyPiece.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

struct MoneyPicture {
    int cents;
    platform::Rect region;
    float halfWidth;
    float halfHeight;
};

// Pictures in misc4 and the half sizes a piece is drawn and hit with (before scaling).
constexpr MoneyPicture kPictures[kDenominationCount] = {
    {1, {300, 300, 400, 400}, 50, 50},       {2, {200, 300, 300, 400}, 50, 50},
    {5, {100, 300, 200, 400}, 50, 50},       {10, {0, 300, 100, 400}, 50, 50},
    {20, {300, 200, 400, 300}, 50, 50},      {50, {200, 200, 300, 300}, 50, 50},
    {100, {100, 200, 200, 300}, 50, 50},     {200, {0, 200, 100, 300}, 50, 50},
    {500, {0, 450, 200, 550}, 100, 50},      {1000, {0, 550, 220, 650}, 110, 50},
    {2000, {0, 650, 240, 750}, 120, 50},     {5000, {0, 750, 240, 850}, 130, 50},
    {10000, {260, 450, 520, 570}, 130, 60},  {20000, {260, 570, 530, 690}, 135, 60},
    {50000, {260, 690, 540, 810}, 140, 60},
};

const MoneyPicture* PictureOf(int cents) {
    for (const MoneyPicture& picture : kPictures) {
        if (picture.cents == cents) {
            return &picture;
        }
    }
    return nullptr;
}

}  // namespace

double MoneyScale(int cents) { return cents <= kLargestCoin ? kCoinScale : kNoteScale; }

SheetRegion MoneyRegion(int cents) {
    const MoneyPicture* picture = PictureOf(cents);
    if (picture == nullptr) {
        return SheetRegion{"", {0, 0, 0, 0}};
    }
    const char* kind = cents <= kLargestCoin ? "coin " : "note ";
    return SheetRegion{kind + std::to_string(cents), picture->region};
}

MoneyPiece::MoneyPiece(int cents, float x, float y, bool fromStack)
    : fromStack(fromStack),
      positionX(x),
      positionY(y),
      targetX(x),
      targetY(y),
      cents(cents),
      scale(MoneyScale(cents)) {
    const MoneyPicture* picture = PictureOf(cents);
    halfWidth = picture != nullptr ? picture->halfWidth : 0.0f;
    halfHeight = picture != nullptr ? picture->halfHeight : 0.0f;
}

void MoneyPiece::SetTarget(float x, float y) {
    targetX = x;
    targetY = y;
}

void MoneyPiece::Glide(double seconds) {
    const double part = std::clamp(seconds * kGlideSpeed, 0.0, 1.0);
    positionX += static_cast<float>((targetX - positionX) * part);
    positionY += static_cast<float>((targetY - positionY) * part);
}

bool MoneyPiece::Arrived() const {
    return std::hypot(targetX - positionX, targetY - positionY) <= kArrivedDistance;
}

bool MoneyPiece::HitTest(int x, int y) const {
    return std::fabs(x - positionX) <= halfWidth * scale && std::fabs(y - positionY) <= halfHeight * scale;
}

void MoneyPiece::Draw() const {
    const SheetRegion region = MoneyRegion(cents);
    const float s = static_cast<float>(scale);
    const Vec2 scaling{s, s};
    const Vec2 corner{positionX - halfWidth * s, positionY - halfHeight * s};
    DrawSprite(GetAppState()->textures[TEX_MISC4].get(), region, &scaling, nullptr, 0.0, &corner, kWhite);
}
