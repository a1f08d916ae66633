#include "games/puzzles/BoardSquare.h"

#include <cmath>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

constexpr float kHalf = 25.0f;
const SheetRegion kSquare{"cell", {550, 0, 600, 50}};

void DrawTopRowRegion(const SheetRegion& region, float x, float y, uint32_t colour) {
    const Vec2 at{x - kHalf, y - kHalf};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), region, nullptr, nullptr, 0.0, &at, colour);
}

}  // namespace

void DrawBoardSign(const SheetRegion& sign, float x, float y) { DrawTopRowRegion(sign, x, y, 0xFFFFFFFFu); }

void DrawBoardSquare(float x, float y, uint32_t colour) { DrawTopRowRegion(kSquare, x, y, colour); }

bool WithinSquare(float x, float y, int px, int py) {
    return std::fabs(static_cast<float>(px) - x) <= kHalf && std::fabs(static_cast<float>(py) - y) <= kHalf;
}
