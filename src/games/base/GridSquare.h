#pragma once

#include "app/Sprite.h"

// One square of a SquareGrid: a tile of misc3 that is either lit or unlit.
// Its picture type (0..11) picks the 50 x 50 tile pair; the tile is scaled to
// the square's side. A point on the border counts as inside.
class GridSquare {
public:
    // The tiles of misc3 are 50 x 50: a square of side 50 draws them unscaled.
    static constexpr double kTileSize = 50.0;
    static constexpr int kTypes = 12;

    GridSquare(double size, Vec2 position, int type, bool lit = false);

    void Switch() { lit = !lit; }
    void SetLit(bool on) { lit = on; }
    bool IsLit() const { return lit; }
    bool SameState(const GridSquare& other) const { return lit == other.lit; }

    double Size() const { return size; }
    // The top-left corner.
    Vec2 Position() const { return position; }
    int Type() const { return type; }

    bool HitTest(float x, float y) const;
    void Draw() const;

private:
    bool lit;
    double size;
    Vec2 position;
    int type;
};
