#include <gtest/gtest.h>

#include <tuple>

#include "AssetFiles.h"
#include "Canvas.h"
#include "support/TempFolder.h"

TEST(Canvas, NeverWritesTheColourKey) {
    TempFolder folder;
    Canvas canvas(4, 2);
    cairo_set_source_rgb(canvas.Cr(), 0, 1, 100 / 255.0);  // exactly the key
    cairo_paint(canvas.Cr());
    cairo_rectangle(canvas.Cr(), 0, 1, 4, 1);
    cairo_set_source_rgba(canvas.Cr(), 0, 1, 100 / 255.0, 0.5);  // translucent: no key
    cairo_set_operator(canvas.Cr(), CAIRO_OPERATOR_SOURCE);
    cairo_fill(canvas.Cr());
    ASSERT_TRUE(canvas.WritePng(folder.Path("key.png")));
    const Image image(folder.Path("key.png"));
    ASSERT_TRUE(image.Valid());
    // The opaque row is nudged off the key by one step of blue, nothing else.
    EXPECT_EQ(image.Alpha(0, 0), 255);
    EXPECT_EQ(image.Channel(0, 0, 0), 0);
    EXPECT_EQ(image.Channel(0, 0, 1), 255);
    EXPECT_EQ(image.Channel(3, 0, 2), 101);
    // The translucent row keeps its colour.
    EXPECT_EQ(image.Alpha(2, 1), 128);
    EXPECT_NEAR(image.Channel(2, 1, 2), 100, 1);
}

TEST(Canvas, RegionScopeKeepsDrawingInsideTheRegion) {
    TempFolder folder;
    Canvas canvas(30, 10);
    {
        RegionScope scope(canvas.Cr(), {10, 0, 20, 10});
        cairo_set_source_rgb(canvas.Cr(), 1, 0, 0);
        cairo_rectangle(canvas.Cr(), -5, 2, 100, 3);  // local coordinates, far too wide
        cairo_fill(canvas.Cr());
    }
    ASSERT_TRUE(canvas.WritePng(folder.Path("scope.png")));
    const Image image(folder.Path("scope.png"));
    // Drawn from sheet x 10 to 19 only, on sheet rows 2 to 4 (local y 2 is sheet y 2).
    const std::tuple<int, int, int> alphas[] = {{9, 3, 0},   {10, 3, 255}, {19, 3, 255}, {20, 3, 0},
                                                {15, 1, 0},  {15, 2, 255}, {15, 4, 255}, {15, 5, 0}};
    for (const auto& [x, y, alpha] : alphas) {
        EXPECT_EQ(image.Alpha(x, y), alpha) << x << ", " << y;
    }
}
