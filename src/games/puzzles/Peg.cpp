#include "games/puzzles/Peg.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

constexpr uint32_t kTints[] = {
    0xFFFF0000u,  // red
    0xFF0000FFu,  // blue
    0xFF00FF00u,  // green
    0xFFFFFF00u,  // yellow
    0xFFFF8000u,  // orange
    0xFFFF00FFu,  // magenta
    0x00FFFFFFu,  // empty
    0xFFFFFFFFu,  // white score peg
    0xFF000000u,  // black score peg
};
constexpr int kTintCount = static_cast<int>(sizeof kTints / sizeof kTints[0]);
constexpr int kHitRadius = 20;
const SheetRegion kPegRegion{"peg", {605, 5, 645, 45}};

}  // namespace

Peg::Peg(float x, float y, int colour) : x(x), y(y), targetX(x), targetY(y), colour(colour) {}

Peg::Peg(float x, float y, int colour, float side) : Peg(x, y, colour) { this->side = side; }

uint32_t Peg::Tint(int colour) { return kTints[std::clamp(colour, 0, kTintCount - 1)]; }

void Peg::SetTarget(float px, float py) {
    targetX = px;
    targetY = py;
}

void Peg::MoveTarget(float dx, float dy) {
    targetX += dx;
    targetY += dy;
}

void Peg::Glide(double seconds) {
    const double part = std::isfinite(seconds) ? std::clamp(seconds * kGlideRate, 0.0, 1.0) : 0.0;
    if (part >= 1.0) {
        x = targetX;
        y = targetY;
        return;
    }
    x += static_cast<float>((targetX - x) * part);
    y += static_cast<float>((targetY - y) * part);
}

bool Peg::HitTest(int px, int py) const {
    return std::fabs(static_cast<float>(px) - x) <= kHitRadius && std::fabs(static_cast<float>(py) - y) <= kHitRadius;
}

void Peg::Draw() const {
    const Vec2 scale{side / kSide, side / kSide};
    const Vec2 at{x - side / 2, y - side / 2};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), kPegRegion, &scale, nullptr, 0.0, &at, Tint(colour));
}
