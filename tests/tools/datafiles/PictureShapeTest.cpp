#include "PictureShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

PictureShape Shape(int type, double x, double y, double sizeFactor, int rotation) {
    PictureShape s;
    s.type = type;
    s.x = x;
    s.y = y;
    s.sizeFactor = sizeFactor;
    s.rotation = rotation;
    return s;
}

struct Box {
    double left, top, right, bottom;
};

Box Bounds(const PictureShape& s) {
    Box b{1e9, 1e9, -1e9, -1e9};
    for (const Point& p : s.Outline()) {
        b = {std::min(b.left, p.x), std::min(b.top, p.y), std::max(b.right, p.x), std::max(b.bottom, p.y)};
    }
    return b;
}

TEST(PictureShapeTest, RotationStaysWithinAFullTurn) {
    PictureShape s;
    s.Rotate(-15);
    EXPECT_EQ(s.rotation, 345);
    s.Rotate(30);
    EXPECT_EQ(s.rotation, 15);
    s.Rotate(INT_MIN);
    EXPECT_EQ(s.rotation, 247);  // 15 + 232
    s.rotation = 359;
    s.Rotate(INT_MAX);
    EXPECT_EQ(s.rotation, (359 + INT_MAX % 360) % 360);
}

TEST(PictureShapeTest, FitFollowsEachTypesSymmetry) {
    const PictureShape square = Shape(kSquare, 300, 300, 1.5, 10);
    EXPECT_TRUE(square.Fits(Shape(kSquare, 306, 308, 1.53, 100)));   // 10 px away, turned a quarter
    EXPECT_FALSE(square.Fits(Shape(kSquare, 306, 308.1, 1.5, 10)));  // just over 10 px
    EXPECT_FALSE(square.Fits(Shape(kSquare, 300, 300, 1.56, 10)));
    EXPECT_FALSE(square.Fits(Shape(kSquare, 300, 300, 1.5, 55)));
    EXPECT_FALSE(square.Fits(Shape(kBar, 300, 300, 1.5, 10)));

    const PictureShape bar = Shape(kBar, 0, 0, 1, 30);
    EXPECT_TRUE(bar.Fits(Shape(kBar, 0, 0, 1, 210)));
    EXPECT_FALSE(bar.Fits(Shape(kBar, 0, 0, 1, 120)));

    PictureShape triangle = Shape(kTriangle, 0, 0, 1, 0);
    EXPECT_TRUE(triangle.Fits(Shape(kTriangle, 0, 0, 1, 240)));
    EXPECT_FALSE(triangle.Fits(Shape(kTriangle, 0, 0, 1, 180)));
    triangle.scaleY = 2;
    EXPECT_FALSE(triangle.Fits(Shape(kTriangle, 0, 0, 1, 0)));

    EXPECT_TRUE(Shape(kCircle, 0, 0, 1, 0).Fits(Shape(kCircle, 0, 0, 1, 77)));
}

TEST(PictureShapeTest, OutlineIsTheCellShapeScaledAndTurnedAboutTheCentre) {
    PictureShape stretched = Shape(kSquare, 100, 100, 1.0, 0);
    stretched.scaleX = 2;
    const struct {
        PictureShape shape;
        Box bounds;
        const char* what;
    } cases[] = {
        {Shape(kSquare, 200, 300, 2.0, 0), {100, 200, 300, 400}, "square, twice the cell"},
        {Shape(kSquare, 200, 300, 1.0, 45), {129.2893, 229.2893, 270.7107, 370.7107}, "diamond reaching 50 * sqrt(2)"},
        {Shape(kBar, 500, 500, 0.8, 90), {480, 460, 520, 540}, "standing bar, 40 wide, 80 high"},
        {Shape(kTriangle, 400, 400, 1.0, 180), {356.6987, 375, 443.3013, 450}, "triangle about its centroid, apex down"},
        {Shape(kCircle, 100, 100, 0.4, 0), {80, 80, 120, 120}, "small circle"},
        {stretched, {50, 50, 250, 150}, "scaled from the cell corner, as the game scales the image"},
    };
    for (const auto& c : cases) {
        const Box b = Bounds(c.shape);
        EXPECT_NEAR(b.left, c.bounds.left, 1e-3) << c.what;
        EXPECT_NEAR(b.top, c.bounds.top, 1e-3) << c.what;
        EXPECT_NEAR(b.right, c.bounds.right, 1e-3) << c.what;
        EXPECT_NEAR(b.bottom, c.bounds.bottom, 1e-3) << c.what;
    }
}

TEST(PictureShapeTest, PolygonContainsItsInsideOnly) {
    const auto outline = Shape(kTriangle, 0, 0, 1.0, 0).Outline();
    EXPECT_TRUE(PolygonContains(outline, {0, 0}));
    EXPECT_TRUE(PolygonContains(outline, {0, -45}));
    EXPECT_FALSE(PolygonContains(outline, {0, -51}));
    EXPECT_FALSE(PolygonContains(outline, {40, -30}));
    EXPECT_FALSE(PolygonContains({}, {0, 0}));
}

}  // namespace
