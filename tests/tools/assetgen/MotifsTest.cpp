// The drawing helpers behind the game art, on their own canvas: motifs and
// suits keep to the box they are given (the sheets have no gutters, so any
// spill would be cut off at the cell edge; that they differ is checked on the
// sheets).
#include <gtest/gtest.h>

#include <cairo.h>

#include <functional>

#include "ArtChecks.h"
#include "Canvas.h"
#include "Motifs.h"
#include "Suits.h"

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
            EXPECT_EQ(CountPixels({0, 0, image.Width(), image.Height()}, inked), inside) << f.what << " " << i << " spills out of its box";
            EXPECT_GT(inside, f.ink) << f.what << " " << i;
        }
    }
    EXPECT_GT(suits::Of(suits::Suit::Hearts).r, 0.7);
    EXPECT_LT(suits::Of(suits::Suit::Spades).r, 0.3);
}
