#include "games/reaction/NumberTile.h"

#include <cmath>
#include <string>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"

namespace {

const SheetRegion kSquare{"cell", {550, 0, 600, 50}};
constexpr uint32_t kPlainColour = 0xFF000000u;
constexpr uint32_t kCorrectColour = 0xFF00FF00u;
constexpr uint32_t kWrongColour = 0xFFFF0000u;
// Digits large in their 50-pixel tile, easy to find at a glance.
constexpr double kNumberSize = 30.0;

}  // namespace

bool NumberTile::HitTest(int px, int py) const {
    return std::fabs(static_cast<float>(px) - x) <= kHalfSize && std::fabs(static_cast<float>(py) - y) <= kHalfSize;
}

void NumberTile::Draw() const {
    const Vec2 at{x - kHalfSize, y - kHalfSize};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), kSquare, nullptr, nullptr, 0.0, &at, 0xFFFFFFFFu);
    const uint32_t colour = !clicked ? kPlainColour : (correct ? kCorrectColour : kWrongColour);
    GetTextRenderer()->DrawTextAt(std::to_string(number), x, y, colour, platform::dt::Center | platform::dt::VCenter,
                                  GetTextRenderer()->AddFont("Arial", kNumberSize));
}
