#pragma once

// A region of a texture in pixels: left and top inclusive, right and bottom
// exclusive, the way the game addresses its sprite sheets.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Overlaps(const Rect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    // The same rectangle moved down by its own height: where every menu button
    // keeps its highlighted copy.
    Rect Below() const { return {left, bottom, right, bottom + Height()}; }
};
