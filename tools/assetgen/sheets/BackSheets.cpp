// back1.PNG ... back4.PNG: seven calm in-game backgrounds, two per sheet (the
// lower half of back4 is never shown). They are stretched by about 1.7 to fill
// the screen, so their patterns are soft and wide, never fine lines.
#include "sheets/Sheets.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Decor.h"
#include "FixedRandom.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"

namespace {

using namespace palette;
constexpr double kW = 600;
constexpr double kH = 450;

struct Mood {
    Colour top;
    Colour bottom;
    Colour pattern;
};

void Base(cairo_t* cr, const Mood& mood) {
    cairo_rectangle(cr, 0, 0, kW, kH);
    shapes::VerticalGradient(cr, 0, kH, mood.top, mood.bottom);
    cairo_fill(cr);
}

// A light centre keeps the middle of the play field calm and bright.
void Glow(cairo_t* cr) {
    shapes::RadialGradient(cr, kW / 2, kH / 2, kW * 0.6, kWhite.WithAlpha(0.45), kWhite.WithAlpha(0));
    cairo_paint(cr);
}

void Bubbles(cairo_t* cr, const Mood& mood) {
    FixedRandom rng(5);
    for (int i = 0; i < 22; ++i) {
        const double x = rng.Range(0, kW);
        const double y = rng.Range(0, kH);
        const double radius = rng.Range(25, 85);
        cairo_arc(cr, x, y, radius, 0, 2 * std::numbers::pi);
        shapes::RadialGradient(cr, x, y, radius, mood.pattern.WithAlpha(0.05),
                               mood.pattern.WithAlpha(rng.Range(0.12, 0.22)));
        cairo_fill(cr);
    }
}

void Stripes(cairo_t* cr, const Mood& mood) {
    mood.pattern.WithAlpha(0.12).Use(cr);
    for (double x = -kH; x < kW; x += 64) {
        cairo_move_to(cr, x, kH);
        cairo_line_to(cr, x + kH, 0);
        cairo_line_to(cr, x + kH + 26, 0);
        cairo_line_to(cr, x + 26, kH);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void Figures(cairo_t* cr, const Mood& mood, std::uint32_t seed) {
    decor::Confetti(cr, {.area = {-10, -10, static_cast<int>(kW) + 10, static_cast<int>(kH) + 10},
                         .count = 30,
                         .minSize = 20,
                         .maxSize = 46,
                         .minAlpha = 0.10,
                         .maxAlpha = 0.18,
                         .spacing = 1.6,
                         .seed = seed,
                         .colours = &mood.pattern,
                         .colourCount = 1,
                         .outlined = true});
}

// Lines every `step` pixels both ways, the first at half a step.
void Grid(cairo_t* cr, double step, double width, const Colour& colour) {
    cairo_set_line_width(cr, width);
    colour.Use(cr);
    for (double x = 15; x < kW; x += step) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, kH);
    }
    for (double y = 15; y < kH; y += step) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kW, y);
    }
    cairo_stroke(cr);
}

void GraphPaper(cairo_t* cr, const Mood& mood) {
    Grid(cr, 30, 1.5, mood.pattern.WithAlpha(0.16));
    Grid(cr, 150, 2.5, mood.pattern.WithAlpha(0.14));
}

void Waves(cairo_t* cr, const Mood& mood) {
    for (int band = 0; band < 9; ++band) {
        const double base = -20 + band * 58;
        cairo_move_to(cr, 0, base);
        for (double x = 0; x <= kW; x += 6) {
            cairo_line_to(cr, x, base + 14 * std::sin(x / 48 + band * 0.9));
        }
        cairo_line_to(cr, kW, base + 26);
        for (double x = kW; x >= 0; x -= 6) {
            cairo_line_to(cr, x, base + 26 + 14 * std::sin(x / 48 + band * 0.9));
        }
        cairo_close_path(cr);
        mood.pattern.WithAlpha(band % 2 == 0 ? 0.13 : 0.08).Use(cr);
        cairo_fill(cr);
    }
}

void Dots(cairo_t* cr, const Mood& mood) {
    mood.pattern.WithAlpha(0.16).Use(cr);
    for (int row = 0; row * 40 < kH + 40; ++row) {
        for (int col = 0; col * 40 < kW + 40; ++col) {
            const double x = col * 40 + (row % 2) * 20;
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, row * 40.0, 7, 0, 2 * std::numbers::pi);
        }
    }
    cairo_fill(cr);
}

void Diamonds(cairo_t* cr, const Mood& mood) {
    for (int row = -1; row * 50 < kH + 50; ++row) {
        for (int col = -1; col * 80 < kW + 80; ++col) {
            const double cx = col * 80 + (row % 2 != 0 ? 40 : 0);
            const double cy = row * 50;
            cairo_move_to(cr, cx, cy - 22);
            cairo_line_to(cr, cx + 34, cy);
            cairo_line_to(cr, cx, cy + 22);
            cairo_line_to(cr, cx - 34, cy);
            cairo_close_path(cr);
            mood.pattern.WithAlpha((row + col) % 3 == 0 ? 0.16 : 0.08).Use(cr);
            cairo_fill(cr);
        }
    }
}

// Paints background `index` (0 to 6) into the current 600 x 450 region.
void Background(cairo_t* cr, int index) {
    static const Mood moods[7] = {
        {Colour::Hex(0xEAF4FF), Colour::Hex(0xD3E6FB), Colour::Hex(0x6FA8E8)},
        {Colour::Hex(0xEBFAF2), Colour::Hex(0xD2F0E0), Colour::Hex(0x5DBB8A)},
        {Colour::Hex(0xFFF3EA), Colour::Hex(0xFCE0CD), Colour::Hex(0xE8925A)},
        {Colour::Hex(0xF3EFFF), Colour::Hex(0xE2DAFA), Colour::Hex(0x8C79D8)},
        {Colour::Hex(0xFFFBE8), Colour::Hex(0xFBF0C2), Colour::Hex(0xD9B13A)},
        {Colour::Hex(0xFFF0F4), Colour::Hex(0xFADCE5), Colour::Hex(0xE07597)},
        {Colour::Hex(0xE9FAFA), Colour::Hex(0xCFEFF0), Colour::Hex(0x45AEB0)},
    };
    const Mood& mood = moods[index];
    Base(cr, mood);
    switch (index) {
        case 0: Bubbles(cr, mood); break;
        case 1: Stripes(cr, mood); break;
        case 2: Figures(cr, mood, 31); break;
        case 3: GraphPaper(cr, mood); break;
        case 4: Waves(cr, mood); break;
        case 5: Dots(cr, mood); break;
        default: Diamonds(cr, mood); break;
    }
    Glow(cr);
}

}  // namespace

void PaintBack(Canvas& canvas, int sheet) {
    const std::string texture = "back" + std::to_string(sheet) + ".PNG";
    const int first = 2 * (sheet - 1);
    {
        RegionScope scope(canvas.Cr(), RegionRect(texture, "top"));
        Background(canvas.Cr(), first);
    }
    if (first + 1 < 7) {
        RegionScope scope(canvas.Cr(), RegionRect(texture, "bottom"));
        Background(canvas.Cr(), first + 1);
    }
}
