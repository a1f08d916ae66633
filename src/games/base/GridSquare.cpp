#include "games/base/GridSquare.h"

#include <string>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Textures.h"

namespace {

// misc3 holds six types to a row of 100 px steps; each type's unlit tile lies
// 50 px below its row's top, the lit tile 100 px lower still.
constexpr int kTypesPerRow = 6;
constexpr int kColumnStep = 100;
constexpr int kRowStep = 200;
constexpr int kUnlitTop = 50;
constexpr int kLitOffset = 100;
constexpr int kTile = 50;

}  // namespace

GridSquare::GridSquare(double size, Vec2 position, int type, bool lit)
    : lit(lit), size(size), position(position), type(type >= 0 && type < kTypes ? type : 0) {}

bool GridSquare::HitTest(float x, float y) const {
    return x >= position.x && x <= position.x + size && y >= position.y && y <= position.y + size;
}

void GridSquare::Draw() const {
    const int left = kColumnStep * (type % kTypesPerRow);
    const int top = kRowStep * (type / kTypesPerRow) + kUnlitTop + (lit ? kLitOffset : 0);
    const SheetRegion tile{"symbol " + std::to_string(type) + (lit ? " lit" : ""),
                           {left, top, left + kTile, top + kTile}};
    const float scale = static_cast<float>(size / kTileSize);
    const Vec2 scaling{scale, scale};
    DrawSprite(GetAppState()->textures[TEX_MISC3].get(), tile, &scaling, nullptr, 0.0, &position, kWhite);
}
