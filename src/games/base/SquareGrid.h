#pragma once

#include <optional>
#include <vector>

#include "app/Sprite.h"
#include "games/base/GridSquare.h"

// An n x n grid of GridSquares of one picture type, laid out in a square of a
// total size around a centre point with a gap between neighbours. The square
// of column u and row v has index u * n + v (columns first).
//
// A locked grid shows a random pattern, never an empty one, and ignores
// clicks; an unlocked grid starts with every square unlit and switches a
// square per click. Either kind can still be set square by square and
// combined with another grid.
class SquareGrid {
public:
    // How many random switches make the pattern of a locked grid.
    static constexpr int kPatternSwitches = 100;

    // side: squares per row and column; totalSize: the side of the whole grid
    // in pixels (each square is trunc((totalSize - side * gap) / side) wide);
    // centre: the grid's centre, the middle of the screen when none is given.
    // A locked grid draws its pattern from the game's random generator.
    SquareGrid(bool locked, int side, int type, int totalSize, std::optional<Vec2> centre, int gap);

    bool IsLocked() const { return locked; }
    int Side() const { return side; }
    int Count() const { return static_cast<int>(squares.size()); }
    const GridSquare& Square(int index) const { return squares.at(static_cast<size_t>(index)); }
    // Whether the square of column u, row v is lit; false outside the grid.
    bool IsLit(int u, int v) const;
    int LitCount() const;

    void Draw() const;
    // Switches the first square under (x, y), unless the grid is locked.
    // Returns whether a square switched.
    bool Click(float x, float y);
    // Whether any square lies under (x, y); the gaps between squares do not count.
    bool Hit(float x, float y) const;
    // Every square lit exactly where the other grid's square of the same index
    // is lit; grids of different sizes are never equal.
    bool Equals(const SquareGrid& other) const;
    // Lights or clears the square of column u, row v; ignored outside the grid.
    void SetSquare(int u, int v, bool lit);
    // Each square becomes (own OR other), or (own XOR other) when exclusive,
    // over the squares both grids have.
    void Combine(const SquareGrid& other, bool exclusive);

private:
    bool Inside(int u, int v) const { return u >= 0 && u < side && v >= 0 && v < side; }

    std::vector<GridSquare> squares;
    bool locked;
    int side;
};
