#include "games/puzzles/PictureShape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

// The cells lie side by side in the row at y 150 of misc1, 200 pixels apart.
constexpr int kCellTop = 150;
constexpr int kCellStep = 200;
constexpr double kFitDistance = 10.0;
constexpr double kFitSizeDifference = 0.05;
// The outer edge of each outline in its cell, from the cell centre: the half
// side of the square and the bar's length, the circle's radius, the
// triangle's circumradius; the bar is half as high as long.
constexpr double kOutlineReach = 48.5;

// The angle after which a shape type looks the same again; 1 for any angle.
int SymmetryAngle(int type) {
    switch (type) {
        case 0:
            return 90;
        case 2:
            return 120;
        case 3:
            return 180;
        default:
            return 1;
    }
}

}  // namespace

int NormalizedDegrees(long long degrees) { return static_cast<int>((degrees % 360 + 360) % 360); }

void PictureShape::Rotate(int degrees) { rotation = NormalizedDegrees(static_cast<long long>(rotation) + degrees); }

void PictureShape::Resize(double delta) { sizeFactor = std::clamp(sizeFactor + delta, kMinSizeFactor, kMaxSizeFactor); }

bool PictureShape::Contains(float px, float py) const {
    // Back from the screen into the cell, the inverse of Draw's transform:
    // turned about the position, then unscaled about the cell's top left.
    const double half = kCellSize / 2.0 * sizeFactor;
    const double angle = rotation * std::numbers::pi / 180.0;
    const double dx = static_cast<double>(px) - x;
    const double dy = static_cast<double>(py) - y;
    const double sx = std::cos(angle) * dx + std::sin(angle) * dy + half;
    const double sy = -std::sin(angle) * dx + std::cos(angle) * dy + half;
    if (scaleX == 0.0f || scaleY == 0.0f || sizeFactor <= 0.0) {
        return false;
    }
    const double u = sx / (scaleX * sizeFactor) - kCellSize / 2.0;
    const double v = sy / (scaleY * sizeFactor) - kCellSize / 2.0;
    switch (type) {
        case 0:
            return std::fabs(u) <= kOutlineReach && std::fabs(v) <= kOutlineReach;
        case 1:
            return std::hypot(u, v) <= kOutlineReach;
        case 2: {
            // Apex up, its centroid on the cell centre: inside all three edges,
            // each at half the circumradius from the centre.
            for (const double edge : {90.0, 210.0, 330.0}) {
                const double a = edge * std::numbers::pi / 180.0;
                if (u * std::cos(a) + v * std::sin(a) > kOutlineReach / 2.0) {
                    return false;
                }
            }
            return true;
        }
        default:
            return std::fabs(u) <= kOutlineReach && std::fabs(v) <= kOutlineReach / 2.0;
    }
}

void PictureShape::Draw(uint32_t colour) const {
    const int left = kCellStep * type;
    const SheetRegion cell{"shape " + std::to_string(type), {left, kCellTop, left + kCellSize, kCellTop + kCellSize}};
    const float half = static_cast<float>(kCellSize / 2.0 * sizeFactor);
    const Vec2 scaling{static_cast<float>(scaleX * sizeFactor), static_cast<float>(scaleY * sizeFactor)};
    const Vec2 centre{half, half};
    const Vec2 topLeft{x - half, y - half};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), cell, &scaling, &centre, rotation * std::numbers::pi / 180.0,
               &topLeft, colour);
}

bool PictureShape::Fits(const PictureShape& target, const PictureShape& piece) {
    if (piece.type != target.type ||
        std::hypot(static_cast<double>(piece.x) - target.x, static_cast<double>(piece.y) - target.y) > kFitDistance ||
        std::fabs(piece.sizeFactor - target.sizeFactor) > kFitSizeDifference) {
        return false;
    }
    if (target.type == 2 && piece.scaleY != target.scaleY) {
        return false;
    }
    return (piece.rotation - target.rotation) % SymmetryAngle(target.type) == 0;
}

void PictureShape::Snap(PictureShape& piece, const PictureShape& target) {
    piece.x = target.x;
    piece.y = target.y;
    piece.scaleX = target.scaleX;
    piece.scaleY = target.scaleY;
    piece.rotation = target.rotation;
}
