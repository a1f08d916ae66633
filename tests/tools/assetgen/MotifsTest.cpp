// The drawing helpers behind the game art, on their own canvas: motifs and
// suits keep to the box they are given (the sheets have no gutters, so any
// spill would be cut off at the cell edge; that they differ is checked on the
// sheets), and PaintInside leaves exactly the outline's coverage as alpha.
#include <gtest/gtest.h>

#include <cairo.h>

#include <functional>

#include "ArtChecks.h"
#include "Canvas.h"
#include "Motifs.h"
#include "Shapes.h"
#include "Suits.h"

namespace {

Rect Whole(const Image& image) { return {0, 0, image.Width(), image.Height()}; }

}  // namespace

TEST(Motifs, MotifsAndSuitsStayInTheirBoxWithInkInIt) {
    struct Family { const char* what; int count, canvas; Rect box; std::function<void(cairo_t*, int)> draw; int ink; };
    const Family families[] = {
        {"motif", static_cast<int>(motifs::Motif::kCount), 140, {20, 20, 120, 120},
         [](cairo_t* cr, int i) { motifs::Draw(cr, static_cast<motifs::Motif>(i), 70, 70, 100); }, 100 * 100 / 5},
        {"suit", 4, 80, {15, 15, 65, 65},
         [](cairo_t* cr, int i) {
             const suits::Suit all[] = {suits::Suit::Spades, suits::Suit::Hearts, suits::Suit::Diamonds, suits::Suit::Clubs};
             suits::Draw(cr, all[i], 40, 40, 50);
         },
         50 * 50 / 4},
    };
    for (const Family& f : families) {
        for (int i = 0; i < f.count; ++i) {
            Canvas canvas(f.canvas, f.canvas);
            f.draw(canvas.Cr(), i);
            const Image image(canvas.Surface());
            auto inked = [&](int x, int y) { return image.Alpha(x, y) > 0; };
            const int inside = CountPixels(f.box, inked);
            EXPECT_EQ(CountPixels(Whole(image), inked), inside) << f.what << " " << i << " spills out of its box";
            EXPECT_GT(inside, f.ink) << f.what << " " << i;
        }
    }
    EXPECT_GT(suits::Of(suits::Suit::Hearts).r, 0.7);
    EXPECT_LT(suits::Of(suits::Suit::Spades).r, 0.3);
}

TEST(Shapes, PaintInsideLeavesExactlyTheOutlinesCoverage) {
    auto disc = [](cairo_t* cr) { shapes::Circle(cr, 20, 20, 15.3); };
    Canvas reference(40, 40);
    disc(reference.Cr());
    cairo_fill(reference.Cr());
    // Content that paints beyond the outline, overlaps itself and is partly
    // translucent must still come out with the plain disc's alpha.
    Canvas painted(40, 40);
    shapes::PaintInside(painted.Cr(), disc, [](cairo_t* cr) {
        cairo_set_source_rgb(cr, 0.2, 0.4, 0.9);
        cairo_paint(cr);
        cairo_rectangle(cr, 5, 5, 30, 8);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
        cairo_fill(cr);
        shapes::Circle(cr, 20, 20, 15.3);
        cairo_set_line_width(cr, 4);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_stroke(cr);
    });
    const Image a(painted.Surface());
    const Image b(reference.Surface());
    EXPECT_EQ(CountPixels(Whole(a), [&](int x, int y) { return a.Alpha(x, y) != b.Alpha(x, y); }), 0);
    EXPECT_EQ(a.Alpha(0, 0), 0);
    EXPECT_EQ(a.Alpha(20, 20), 255);
}
