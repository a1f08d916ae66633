#include "PictureShape.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kCell = 100.0;
constexpr int kCircleCorners = 72;
constexpr double kFitDistance = 10.0;
constexpr double kFitSize = 0.05;

// The angle step after which a type looks the same again (0: any angle).
int SymmetryStep(int type) {
    switch (type) {
    case kSquare:
        return 90;
    case kTriangle:
        return 120;
    case kBar:
        return 180;
    default:
        return 0;
    }
}

}  // namespace

int NormalizedDegrees(long long degrees) { return static_cast<int>(((degrees % 360) + 360) % 360); }

void PictureShape::Rotate(int degrees) { rotation = NormalizedDegrees(static_cast<long long>(rotation) + degrees); }

bool PictureShape::Fits(const PictureShape& piece) const {
    if (piece.type != type || std::hypot(piece.x - x, piece.y - y) > kFitDistance ||
        std::fabs(piece.sizeFactor - sizeFactor) > kFitSize) {
        return false;
    }
    if (type == kTriangle && piece.scaleY != scaleY) {
        return false;
    }
    const int step = SymmetryStep(type);
    return step == 0 || (piece.rotation - rotation) % step == 0;
}

std::vector<Point> CellOutline(int type) {
    const double half = kCell / 2;
    switch (type) {
    case kCircle: {
        std::vector<Point> corners;
        for (int i = 0; i < kCircleCorners; ++i) {
            const double a = 2 * std::numbers::pi * i / kCircleCorners;
            corners.push_back({half + half * std::cos(a), half + half * std::sin(a)});
        }
        return corners;
    }
    case kTriangle: {
        // Circumradius 50 about the centroid: apex at the top edge, base at 75.
        const double halfSide = half * std::sqrt(3.0) / 2;
        return {{half, 0}, {half + halfSide, half * 1.5}, {half - halfSide, half * 1.5}};
    }
    case kBar:
        return {{0, half / 2}, {kCell, half / 2}, {kCell, half * 1.5}, {0, half * 1.5}};
    default:
        return {{0, 0}, {kCell, 0}, {kCell, kCell}, {0, kCell}};
    }
}

std::vector<Point> PictureShape::Outline() const {
    const double angle = rotation * std::numbers::pi / 180;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double centre = kCell / 2 * sizeFactor;
    std::vector<Point> outline;
    for (const Point& p : CellOutline(type)) {
        const double dx = p.x * scaleX * sizeFactor - centre;
        const double dy = p.y * scaleY * sizeFactor - centre;
        outline.push_back({x + dx * c - dy * s, y + dx * s + dy * c});
    }
    return outline;
}

bool PolygonContains(const std::vector<Point>& polygon, Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}
