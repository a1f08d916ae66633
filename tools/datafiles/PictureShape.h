#pragma once

#include <vector>

// A point on the screen (or in a shape's image cell), in pixels.
struct Point {
    double x;
    double y;
};

// The picture building game's shape types: each has a 100 x 100 image cell at
// (200 * type, 150) of misc1.PNG.
enum ShapeType { kSquare = 0, kCircle = 1, kTriangle = 2, kBar = 3, kShapeTypes = 4 };

// A target shape or a piece of the picture building game: its type, where its
// centre lies, how large (1.0 = the 100 x 100 cell) and how far it is turned
// (clockwise on screen, degrees 0..359).
struct PictureShape {
    double sizeFactor = 1.0;
    int type = kSquare;
    int rotation = 0;
    double x = 0;
    double y = 0;
    double scaleX = 1;
    double scaleY = 1;

    // Turns by the given degrees; the result stays within 0..359 for any value.
    void Rotate(int degrees);

    // Whether the piece covers this target: same type, centres at most 10
    // pixels apart, size factors within 0.05, and the angles equal as far as
    // the shape's symmetry tells (a square every 90 degrees, a triangle every
    // 120 with equal vertical scale, a bar every 180, a circle always).
    bool Fits(const PictureShape& piece) const;

    // The silhouette on screen as the game draws it: the shape's outline in
    // its cell scaled by scale times size factor, turned about the scaled
    // cell's centre and moved so that this centre lands on the position.
    std::vector<Point> Outline() const;
};

// The outline of a shape type within its 100 x 100 cell, at the largest size
// the art may paint it (the painted shapes, outline included, stay just
// inside): the full square, a disc of radius 50, an equilateral triangle
// pointing up with its centroid in the middle, a bar of 100 x 50 across the
// middle.
std::vector<Point> CellOutline(int type);

// Whether the point lies inside the polygon (even-odd rule).
bool PolygonContains(const std::vector<Point>& polygon, Point p);

// The degrees normalised into 0..359.
int NormalizedDegrees(long long degrees);
