#include "games/memory/RecallSymbol.h"

#include <cmath>

#include "games/base/GridSquare.h"

RecallSymbol::RecallSymbol(int type, double size, Vec2 centre) : type(type), size(size), centre(centre) {}

bool RecallSymbol::HitTest(float x, float y) const {
    return std::hypot(static_cast<double>(x) - centre.x, static_cast<double>(y) - centre.y) <= size / 2.0;
}

void RecallSymbol::Draw() const {
    // The same tiles as the squares of the grid games, placed by their centre.
    const float half = static_cast<float>(size / 2.0);
    GridSquare(size, Vec2{centre.x - half, centre.y - half}, type, IsLit()).Draw();
}
