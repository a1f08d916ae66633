#include "games/base/SquareGrid.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Random.h"

SquareGrid::SquareGrid(bool locked, int side, int type, int totalSize, std::optional<Vec2> centre, int gap)
    : locked(locked), side(std::max(side, 0)) {
    if (this->side == 0) {
        return;
    }
    const AppState* app = GetAppState();
    const Vec2 middle = centre.value_or(
        Vec2{static_cast<float>(app->screenWidth / 2), static_cast<float>(app->screenHeight / 2)});
    const int cellSize = std::max((totalSize - this->side * gap) / this->side, 0);
    const int firstOffset = -totalSize / 2;
    squares.reserve(static_cast<size_t>(this->side * this->side));
    for (int u = 0; u < this->side; ++u) {
        for (int v = 0; v < this->side; ++v) {
            const Vec2 position{middle.x + static_cast<float>(firstOffset + (cellSize + gap) * u),
                                middle.y + static_cast<float>(firstOffset + (cellSize + gap) * v)};
            squares.emplace_back(cellSize, position, type);
        }
    }
    // A locked grid's pattern is never empty: switches that cancel out are
    // drawn again.
    while (locked && LitCount() == 0) {
        for (int i = 0; i < kPatternSwitches; ++i) {
            squares[static_cast<size_t>(Random() % Count())].Switch();
        }
    }
}

bool SquareGrid::IsLit(int u, int v) const {
    return Inside(u, v) && squares[static_cast<size_t>(u * side + v)].IsLit();
}

int SquareGrid::LitCount() const {
    return static_cast<int>(std::count_if(squares.begin(), squares.end(), [](const GridSquare& s) { return s.IsLit(); }));
}

void SquareGrid::Draw() const {
    for (const GridSquare& square : squares) {
        square.Draw();
    }
}

bool SquareGrid::Click(float x, float y) {
    if (locked) {
        return false;
    }
    for (GridSquare& square : squares) {
        if (square.HitTest(x, y)) {
            square.Switch();
            return true;
        }
    }
    return false;
}

bool SquareGrid::Hit(float x, float y) const {
    return std::any_of(squares.begin(), squares.end(), [&](const GridSquare& s) { return s.HitTest(x, y); });
}

bool SquareGrid::Equals(const SquareGrid& other) const {
    if (squares.size() != other.squares.size()) {
        return false;
    }
    for (size_t i = 0; i < squares.size(); ++i) {
        if (!squares[i].SameState(other.squares[i])) {
            return false;
        }
    }
    return true;
}

void SquareGrid::SetSquare(int u, int v, bool lit) {
    if (Inside(u, v)) {
        squares[static_cast<size_t>(u * side + v)].SetLit(lit);
    }
}

void SquareGrid::Combine(const SquareGrid& other, bool exclusive) {
    const size_t common = std::min(squares.size(), other.squares.size());
    for (size_t i = 0; i < common; ++i) {
        const bool own = squares[i].IsLit();
        const bool theirs = other.squares[i].IsLit();
        squares[i].SetLit(exclusive ? own != theirs : own || theirs);
    }
}
