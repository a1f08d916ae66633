#include "games/puzzles/BoardSquare.h"

#include <cmath>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

constexpr int kSize = 50;
constexpr float kHalf = 25.0f;
constexpr int kSquareLeft = 550;

void DrawTopRowRegion(int regionLeft, float x, float y, uint32_t colour) {
    const platform::Rect region{regionLeft, 0, regionLeft + kSize, kSize};
    const Vec2 at{x - kHalf, y - kHalf};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), &region, nullptr, nullptr, 0.0, &at, colour);
}

}  // namespace

void DrawBoardSign(int regionLeft, float x, float y) { DrawTopRowRegion(regionLeft, x, y, 0xFFFFFFFFu); }

void DrawBoardSquare(float x, float y, uint32_t colour) { DrawTopRowRegion(kSquareLeft, x, y, colour); }

bool WithinSquare(float x, float y, int px, int py) {
    return std::fabs(static_cast<float>(px) - x) <= kHalf && std::fabs(static_cast<float>(py) - y) <= kHalf;
}
