#include "games/base/VerdictMark.h"

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace verdict {

namespace {

constexpr float kScreenMargin = 8.0f;

}  // namespace

Corner MarkCorner(float boxLeft, float boxTop, float boxRight, float boxBottom, float gap, float screenWidth) {
    if (boxRight + gap + kMarkSide <= screenWidth - kScreenMargin) {
        return {boxRight + gap, (boxTop + boxBottom - kMarkSide) / 2};
    }
    return {(boxLeft + boxRight - kMarkSide) / 2, boxBottom + gap};
}

void DrawMarkBeside(bool right, float boxLeft, float boxTop, float boxRight, float boxBottom, float gap) {
    const Corner corner = MarkCorner(boxLeft, boxTop, boxRight, boxBottom, gap,
                                     static_cast<float>(GetAppState()->screenWidth));
    DrawMark(right, corner.x, corner.y);
}

void DrawMark(bool right, float x, float y) {
    static const SheetRegion kTick{"tick", {0, 450, 50, 500}};
    static const SheetRegion kCross{"cross", {900, 0, 950, 50}};
    const Vec2 corner{x, y};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), right ? kTick : kCross, nullptr, nullptr, 0.0, &corner,
               kWhite);
}

}  // namespace verdict
