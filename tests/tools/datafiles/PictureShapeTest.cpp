#include "PictureShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

PictureShape Shape(int type, double x, double y, double sizeFactor, int rotation, double scaleX = 1, double scaleY = 1) {
    return {.sizeFactor = sizeFactor, .type = type, .rotation = rotation, .x = x, .y = y, .scaleX = scaleX,
            .scaleY = scaleY};
}

TEST(PictureShapeTest, RotationStaysWithinAFullTurn) {
    const struct { int from, by, expected; } cases[] = {
        {0, -15, 345}, {345, 30, 15}, {15, INT_MIN, 247}, {359, INT_MAX, (359 + INT_MAX % 360) % 360}};
    for (const auto& c : cases) {
        PictureShape s;
        s.rotation = c.from;
        s.Rotate(c.by);
        EXPECT_EQ(s.rotation, c.expected) << c.from << " by " << c.by;
    }
}

TEST(PictureShapeTest, FitFollowsEachTypesSymmetry) {
    const struct { PictureShape target, piece; bool fits; const char* what; } cases[] = {
        {Shape(kSquare, 300, 300, 1.5, 10), Shape(kSquare, 306, 308, 1.53, 100), true, "square 10 px away, turned a quarter"},
        {Shape(kSquare, 300, 300, 1.5, 10), Shape(kSquare, 306, 308.1, 1.5, 10), false, "just over 10 px"},
        {Shape(kSquare, 300, 300, 1.5, 10), Shape(kSquare, 300, 300, 1.56, 10), false, "size off by more than 0.05"},
        {Shape(kSquare, 300, 300, 1.5, 10), Shape(kSquare, 300, 300, 1.5, 55), false, "square at 45 degrees"},
        {Shape(kSquare, 300, 300, 1.5, 10), Shape(kBar, 300, 300, 1.5, 10), false, "other type"},
        {Shape(kBar, 0, 0, 1, 30), Shape(kBar, 0, 0, 1, 210), true, "bar half a turn off"},
        {Shape(kBar, 0, 0, 1, 30), Shape(kBar, 0, 0, 1, 120), false, "bar a quarter turn off"},
        {Shape(kTriangle, 0, 0, 1, 0), Shape(kTriangle, 0, 0, 1, 240), true, "triangle a third turn off"},
        {Shape(kTriangle, 0, 0, 1, 0), Shape(kTriangle, 0, 0, 1, 180), false, "triangle upside down"},
        {Shape(kTriangle, 0, 0, 1, 0, 1, 2), Shape(kTriangle, 0, 0, 1, 0), false, "triangle scaled otherwise"},
        {Shape(kCircle, 0, 0, 1, 0), Shape(kCircle, 0, 0, 1, 77), true, "circle at any angle"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.target.Fits(c.piece), c.fits) << c.what;
    }
}

TEST(PictureShapeTest, OutlineIsTheCellShapeScaledAndTurnedAboutTheCentre) {
    const struct { PictureShape shape; double left, top, right, bottom; const char* what; } cases[] = {
        {Shape(kSquare, 200, 300, 1.0, 45), 129.2893, 229.2893, 270.7107, 370.7107, "diamond reaching 50 * sqrt(2)"},
        {Shape(kBar, 500, 500, 0.8, 90), 480, 460, 520, 540, "standing bar, 40 wide, 80 high"},
        {Shape(kTriangle, 400, 400, 1.0, 180), 356.6987, 375, 443.3013, 450, "triangle about its centroid, apex down"},
        {Shape(kSquare, 100, 100, 1.0, 0, 2), 50, 50, 250, 150, "scaled from the cell corner, as the game scales the image"},
    };
    for (const auto& c : cases) {
        double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
        for (const Point& p : c.shape.Outline()) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
        EXPECT_NEAR(left, c.left, 1e-3) << c.what;
        EXPECT_NEAR(top, c.top, 1e-3) << c.what;
        EXPECT_NEAR(right, c.right, 1e-3) << c.what;
        EXPECT_NEAR(bottom, c.bottom, 1e-3) << c.what;
    }
    const auto triangle = Shape(kTriangle, 0, 0, 1.0, 0).Outline();
    EXPECT_TRUE(PolygonContains(triangle, {0, 0}));
    EXPECT_TRUE(PolygonContains(triangle, {0, -45}));
    EXPECT_FALSE(PolygonContains(triangle, {0, -51}));
    EXPECT_FALSE(PolygonContains(triangle, {40, -30}));
    EXPECT_FALSE(PolygonContains({}, {0, 0}));
}

}  // namespace
