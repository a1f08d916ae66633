#pragma once

// A rectangle on the screen in logical pixels, edges included: where a piece
// is drawn and hit, or an area things are laid out in.
struct ScreenBox {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;

    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
    float CentreX() const { return (left + right) / 2.0f; }
    float CentreY() const { return (top + bottom) / 2.0f; }
    bool Contains(float x, float y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    // Whether the boxes share more than an edge.
    bool Overlaps(const ScreenBox& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool Inside(const ScreenBox& outer) const {
        return outer.left <= left && right <= outer.right && outer.top <= top && bottom <= outer.bottom;
    }
};
