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
    // Half the size of what shows of the picture, before scaling: the radius
    // of a coin's disc (its picture has room for a shadow around it), half a
    // note's paper.
    float halfWidth;
    float halfHeight;
};

// Pictures in misc4; every picture has its piece in its middle.
constexpr MoneyPicture kPictures[kDenominationCount] = {
    {1, {300, 300, 400, 400}, 39, 39},        {2, {200, 300, 300, 400}, 43, 43},
    {5, {100, 300, 200, 400}, 47, 47},        {10, {0, 300, 100, 400}, 43, 43},
    {20, {300, 200, 400, 300}, 46.5, 46.5},   {50, {200, 200, 300, 300}, 49.5, 49.5},
    {100, {100, 200, 200, 300}, 47, 47},      {200, {0, 200, 100, 300}, 50, 50},
    {500, {0, 450, 200, 550}, 100, 50},       {1000, {0, 550, 220, 650}, 110, 50},
    {2000, {0, 650, 240, 750}, 120, 50},      {5000, {0, 750, 240, 850}, 120, 50},
    {10000, {260, 450, 520, 570}, 130, 60},   {20000, {260, 570, 530, 690}, 135, 60},
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

double MoneyScale(int cents) { return IsCoin(cents) ? kCoinScale : kNoteScale; }

SheetRegion MoneyRegion(int cents) {
    const MoneyPicture* picture = PictureOf(cents);
    if (picture == nullptr) {
        return SheetRegion{"", {0, 0, 0, 0}};
    }
    const char* kind = IsCoin(cents) ? "coin " : "note ";
    return SheetRegion{kind + std::to_string(cents), picture->region};
}

ScreenBox MoneyBox(int cents, float x, float y, double scale) {
    const MoneyPicture* picture = PictureOf(cents);
    if (picture == nullptr) {
        return ScreenBox{x, y, x, y};
    }
    const float halfWidth = static_cast<float>(picture->halfWidth * scale);
    const float halfHeight = static_cast<float>(picture->halfHeight * scale);
    return ScreenBox{x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight};
}

void DrawMoney(int cents, float x, float y, double scale) {
    const SheetRegion region = MoneyRegion(cents);
    const float s = static_cast<float>(scale);
    const Vec2 scaling{s, s};
    const platform::Rect& r = region.rect;
    const Vec2 corner{x - (r.right - r.left) * s / 2.0f, y - (r.bottom - r.top) * s / 2.0f};
    DrawSprite(GetAppState()->textures[TEX_MISC4].get(), region, &scaling, nullptr, 0.0, &corner, kWhite);
}

MoneyPiece::MoneyPiece(int cents, float x, float y, bool fromStack)
    : fromStack(fromStack),
      positionX(x),
      positionY(y),
      targetX(x),
      targetY(y),
      cents(cents),
      scale(MoneyScale(cents)) {}

void MoneyPiece::SetTarget(float x, float y) {
    targetX = x;
    targetY = y;
}

void MoneyPiece::Place(float x, float y) {
    positionX = targetX = x;
    positionY = targetY = y;
}

void MoneyPiece::Glide(double seconds) {
    const double part = std::clamp(seconds * kGlideSpeed, 0.0, 1.0);
    positionX += static_cast<float>((targetX - positionX) * part);
    positionY += static_cast<float>((targetY - positionY) * part);
}

bool MoneyPiece::Arrived() const {
    return std::hypot(targetX - positionX, targetY - positionY) <= kArrivedDistance;
}

ScreenBox MoneyPiece::Bounds() const { return MoneyBox(cents, positionX, positionY, scale); }

bool MoneyPiece::HitTest(int x, int y) const {
    return Bounds().Contains(static_cast<float>(x), static_cast<float>(y));
}

void MoneyPiece::Draw() const { DrawMoney(cents, positionX, positionY, scale); }
