#include "games/numbers/PuzzleTile.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

// The three pictures are 200 x 200 squares side by side from (0, 500) of misc1.
constexpr int kPictureSize = 200;
constexpr int kPictureTop = 500;
constexpr float kShadowOffset = 3.0f;
constexpr uint32_t kShadowColour = 0x9F000000u;
constexpr uint32_t kTileColour = 0xFFFFFFFFu;

}  // namespace

PuzzleTile::PuzzleTile(float x, float y, float size, int homeColumn, int homeRow, int gridSize, int picture,
                       bool empty)
    : empty(empty),
      homeColumn(homeColumn),
      homeRow(homeRow),
      gridSize(gridSize),
      targetX(x),
      targetY(y),
      positionX(x),
      positionY(y),
      size(size),
      picture(picture) {}

void PuzzleTile::SetTarget(float x, float y, double glideSpeed) {
    targetX = x;
    targetY = y;
    speed = glideSpeed;
}

void PuzzleTile::Glide(double seconds) {
    const double part = std::clamp(seconds * speed, 0.0, 1.0);
    if (part >= 1.0) {
        positionX = targetX;
        positionY = targetY;
        return;
    }
    positionX += static_cast<float>((targetX - positionX) * part);
    positionY += static_cast<float>((targetY - positionY) * part);
}

bool PuzzleTile::HitTest(int px, int py) const {
    return positionX <= px && px <= positionX + size && positionY <= py && py <= positionY + size;
}

void PuzzleTile::Draw() const {
    if (empty) {
        return;
    }
    const int cell = kPictureSize / gridSize;
    const int left = homeColumn * cell + kPictureSize * picture;
    const int top = homeRow * cell + kPictureTop;
    const SheetRegion region{"puzzle " + std::to_string(picture), {left, top, left + cell, top + cell}};
    const float scale = size / static_cast<float>(cell);
    const Vec2 scaling{scale, scale};
    const Vec2 shadow{positionX + kShadowOffset, positionY + kShadowOffset};
    const Vec2 position{positionX, positionY};
    const platform::Texture* texture = GetAppState()->textures[TEX_MISC1].get();
    DrawSprite(texture, region, &scaling, nullptr, 0.0, &shadow, kShadowColour);
    DrawSprite(texture, region, &scaling, nullptr, 0.0, &position, kTileColour);
}
