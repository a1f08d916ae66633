// The drawing helpers behind the game art, on their own canvas: motifs and
// suits keep to the box they are given (the sheets have no gutters, so any
// spill would be cut off at the cell edge), and PaintInside leaves exactly
// the outline's coverage as alpha.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "Canvas.h"
#include "Motifs.h"
#include "Shapes.h"
#include "Suits.h"

namespace {

int AlphaOf(const Canvas& canvas, int x, int y) {
    cairo_surface_flush(canvas.Surface());
    const unsigned char* row = cairo_image_surface_get_data(canvas.Surface()) +
                               static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(canvas.Surface());
    return static_cast<int>(reinterpret_cast<const std::uint32_t*>(row)[x] >> 24);
}

struct Ink {
    int inside = 0;   // pixels with ink within the box
    int outside = 0;  // ... and beyond it
};

// Counts inked pixels inside and outside the square (left, top, size).
Ink Measure(const Canvas& canvas, double left, double top, double size) {
    Ink ink;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (AlphaOf(canvas, x, y) == 0) {
                continue;
            }
            const bool in = x + 1 > left && x < left + size && y + 1 > top && y < top + size;
            (in ? ink.inside : ink.outside) += 1;
        }
    }
    return ink;
}

std::vector<int> Alphas(const Canvas& canvas) {
    std::vector<int> out;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            out.push_back(AlphaOf(canvas, x, y));
        }
    }
    return out;
}

// Pixels whose alpha differs by more than half between two drawings.
int Differing(const std::vector<int>& a, const std::vector<int>& b) {
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        differing += std::abs(a[i] - b[i]) > 128;
    }
    return differing;
}

}  // namespace

TEST(Motifs, EachStaysInItsBoxAndNoTwoAreAlike) {
    std::vector<std::vector<int>> seen;
    for (int m = 0; m < static_cast<int>(motifs::Motif::kCount); ++m) {
        Canvas canvas(140, 140);
        motifs::Draw(canvas.Cr(), static_cast<motifs::Motif>(m), 70, 70, 100);
        const Ink ink = Measure(canvas, 20, 20, 100);
        EXPECT_EQ(ink.outside, 0) << "motif " << m;
        EXPECT_GT(ink.inside, 100 * 100 / 5) << "motif " << m;
        const std::vector<int> alphas = Alphas(canvas);
        for (std::size_t other = 0; other < seen.size(); ++other) {
            EXPECT_GT(Differing(alphas, seen[other]), 500) << "motifs " << other << " and " << m;
        }
        seen.push_back(alphas);
    }
}

TEST(Suits, EachStaysInItsBoxAndNoTwoAreAlike) {
    std::vector<std::vector<int>> seen;
    for (const suits::Suit suit : {suits::Suit::Spades, suits::Suit::Hearts, suits::Suit::Diamonds, suits::Suit::Clubs}) {
        Canvas canvas(80, 80);
        suits::Draw(canvas.Cr(), suit, 40, 40, 50);
        const Ink ink = Measure(canvas, 15, 15, 50);
        EXPECT_EQ(ink.outside, 0) << static_cast<int>(suit);
        EXPECT_GT(ink.inside, 50 * 50 / 4) << static_cast<int>(suit);
        const std::vector<int> alphas = Alphas(canvas);
        for (const auto& other : seen) {
            EXPECT_GT(Differing(alphas, other), 150) << static_cast<int>(suit);
        }
        seen.push_back(alphas);
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
    EXPECT_EQ(Alphas(painted), Alphas(reference));
    EXPECT_EQ(AlphaOf(painted, 0, 0), 0);
    EXPECT_EQ(AlphaOf(painted, 20, 20), 255);
}
