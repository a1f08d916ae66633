#pragma once

// One tile of the sliding puzzle: a square piece of one of the three
// pictures, cut out at its home place (column, row) of an n x n grid. It is
// drawn at `position` and glides towards `target` once it has been moved.
// The empty tile is the gap and is never drawn.
class PuzzleTile {
public:
    static constexpr double kGlideSpeed = 5.0;

    PuzzleTile() = default;
    PuzzleTile(float x, float y, float size, int homeColumn, int homeRow, int gridSize, int picture, bool empty);

    // Sets the place to glide to and the glide speed.
    void SetTarget(float x, float y, double speed);
    // One frame of gliding: the tile covers the part speed x seconds of the
    // way left (all of it when that part reaches 1, so it never overshoots).
    void Glide(double seconds);
    bool IsHome(int column, int row) const { return homeColumn == column && homeRow == row; }
    // Whether the point lies on the tile, its edges included.
    bool HitTest(int px, int py) const;
    // Draws the picture piece with its shadow; the gap draws nothing.
    void Draw() const;

    bool IsEmpty() const { return empty; }
    int HomeColumn() const { return homeColumn; }
    int HomeRow() const { return homeRow; }
    float X() const { return positionX; }
    float Y() const { return positionY; }
    float TargetX() const { return targetX; }
    float TargetY() const { return targetY; }
    double Speed() const { return speed; }

private:
    bool empty = false;
    int homeColumn = 0;
    int homeRow = 0;
    int gridSize = 1;
    float targetX = 0.0f;
    float targetY = 0.0f;
    float positionX = 0.0f;
    float positionY = 0.0f;
    float size = 0.0f;
    int picture = 0;
    double speed = 0.0;
};
