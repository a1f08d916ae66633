#include "games/memory/RoundCardLayout.h"

#include <algorithm>
#include <cmath>

#include "app/Random.h"

namespace {

// The number of places along one axis of the screen; at least 1, so that the
// draw never divides by zero.
int PlaceCount(int screenExtent, double size, int edgeMargin) {
    return std::max(1, static_cast<int>(screenExtent - 2.0 * (size + edgeMargin)));
}

}  // namespace

RoundCardLayout::RoundCardLayout(int count, double size, int screenWidth, int screenHeight, int maxAttempts,
                                 int edgeMargin) {
    while (!TryPlaceAll(count, size, screenWidth, screenHeight, std::max(1, maxAttempts), edgeMargin)) {
        ++restarts;
    }
}

bool RoundCardLayout::TryPlaceAll(int count, double size, int screenWidth, int screenHeight, int maxAttempts,
                                  int edgeMargin) {
    centres.clear();
    const int rows = PlaceCount(screenHeight, size, edgeMargin);
    const int columns = PlaceCount(screenWidth, size, edgeMargin);
    const double offset = size + edgeMargin;
    for (int i = 0; i < count; ++i) {
        bool placed = false;
        for (int attempt = 0; attempt < maxAttempts && !placed; ++attempt) {
            const double y = Random() % rows + offset;
            const double x = Random() % columns + offset;
            const Vec2 place{static_cast<float>(x), static_cast<float>(y)};
            if (IsFree(place, size)) {
                centres.push_back(place);
                placed = true;
            }
        }
        if (!placed) {
            return false;
        }
    }
    return true;
}

bool RoundCardLayout::IsFree(Vec2 place, double size) const {
    return std::none_of(centres.begin(), centres.end(), [&](const Vec2& other) {
        return std::hypot(static_cast<double>(place.x) - other.x, static_cast<double>(place.y) - other.y) < size;
    });
}
