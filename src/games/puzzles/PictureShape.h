#pragma once

#include <cstdint>

// A shape of the picture building game: a target silhouette or a piece the
// player moves. Its image is the 100 x 100 cell of its type in misc1; the
// shape is drawn scaled per axis, then by its size factor, turned about its
// centre and placed with that centre on its position.
class PictureShape {
public:
    // The shape types with an image cell: square, circle, triangle, bar.
    static constexpr int kTypes = 4;
    // The size factors the keys keep to; a picture's values are held there too.
    static constexpr double kMinSizeFactor = 0.4;
    static constexpr double kMaxSizeFactor = 2.0;
    // Size factor 1.0 draws the cell at its 100 x 100 pixels.
    static constexpr int kCellSize = 100;

    double sizeFactor = 1.0;
    int type = 0;
    // Degrees, clockwise on screen, always 0..359.
    int rotation = 0;
    float x = 0.0f;  // the centre
    float y = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;

    // Turns by degrees; the rotation stays within 0..359 for any value.
    void Rotate(int degrees);
    // Changes the size factor by delta, kept within kMinSizeFactor..kMaxSizeFactor.
    void Resize(double delta);
    // Whether the point lies on the shape as it is drawn: inside its outline,
    // scaled, sized, turned and placed.
    bool Contains(float px, float py) const;
    void Draw(uint32_t colour) const;

    // Whether the piece covers the target: the same type, centres at most 10
    // pixels apart, size factors within 0.05, and angles that look alike for
    // the type (a square every 90 degrees, a triangle every 120 with the same
    // vertical scale, a bar every 180, a circle or other type at any angle).
    static bool Fits(const PictureShape& target, const PictureShape& piece);
    // Puts the piece on the target: its position, scale and rotation (the
    // size factor stays the piece's own).
    static void Snap(PictureShape& piece, const PictureShape& target);
};

// Degrees brought into 0..359 (also for values far below zero).
int NormalizedDegrees(long long degrees);
