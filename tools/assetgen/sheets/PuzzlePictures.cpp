// misc1.PNG: the three pictures of the sliding puzzle. The game cuts one into
// 3 x 3 to 5 x 5 tiles and shows them about twice as large, so each picture
// is busy everywhere: every tile holds some detail of its own and no part of
// the picture is one flat colour.
#include "sheets/RegionGroups.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Canvas.h"
#include "FixedRandom.h"
#include "Motifs.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"

namespace {

using namespace palette;
using motifs::Motif;
constexpr double kPi = std::numbers::pi;
constexpr double kSize = 200;

// A diagonal backdrop from `a` (top left) to `b` (bottom right).
void Backdrop(cairo_t* cr, const Colour& a, const Colour& b) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, kSize * 0.6, kSize);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

void Cloud(cairo_t* cr, double x, double y, double s) {
    const double puffs[][3] = {{0, 0, 0.5}, {0.45, -0.2, 0.55}, {0.9, 0.05, 0.45}, {0.45, 0.15, 0.45}};
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& q : puffs) {
            shapes::Circle(cr, x + q[0] * s, y + q[1] * s, q[2] * s);
        }
        if (pass == 0) {
            shapes::Outline(cr, kInkSoft.WithAlpha(0.6), 3);
        } else {
            shapes::VerticalGradient(cr, y - 0.7 * s, y + 0.6 * s, kWhite, Colour::Hex(0xDDE9F7));
            cairo_fill(cr);
        }
    }
}

void Hill(cairo_t* cr, double base, double height, double phase, const Colour& top, const Colour& bottom) {
    cairo_move_to(cr, 0, kSize);
    for (double x = 0; x <= kSize; x += 4) {
        cairo_line_to(cr, x, base - height * (0.5 + 0.5 * std::sin(x / 38 + phase)));
    }
    cairo_line_to(cr, kSize, kSize);
    cairo_close_path(cr);
    shapes::FillGradient(cr, base - height, kSize, top, bottom);
    shapes::Outline(cr, kInk.WithAlpha(0.5), 2);
}

// Short strokes scattered over an area: grass blades, sand grains, stars.
void Speckle(cairo_t* cr, FixedRandom& rng, const Rect& area, int count, double length, const Colour& colour,
             double width) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(area.left, area.right);
        const double y = rng.Range(area.top, area.bottom);
        const double lean = rng.Range(-0.4, 0.4);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + lean * length, y - length);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    colour.Use(cr);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void Garden(cairo_t* cr) {
    FixedRandom rng(71);
    Backdrop(cr, kSky.Mix(kBlue, 0.2), Colour::Hex(0xEAF6FF));
    shapes::Rays(cr, 38, 36, 8, 260, 0.09, 0.2);  // rays behind the sun
    kWhite.WithAlpha(0.18).Use(cr);
    cairo_fill(cr);
    Cloud(cr, 112, 28, 30);
    Cloud(cr, 158, 62, 20);
    Cloud(cr, 82, 68, 14);
    motifs::Draw(cr, Motif::Sun, 36, 36, 58);
    for (const auto& b : {std::pair{150.0, 20.0}, std::pair{168.0, 28.0}, std::pair{70.0, 20.0}}) {  // birds
        cairo_move_to(cr, b.first - 7, b.second);
        cairo_curve_to(cr, b.first - 4, b.second - 5, b.first - 1, b.second - 4, b.first, b.second);
        cairo_curve_to(cr, b.first + 1, b.second - 4, b.first + 4, b.second - 5, b.first + 7, b.second);
        shapes::Outline(cr, kInk, 1.8);
    }
    Hill(cr, 120, 24, 1.0, Colour::Hex(0x9ADB7E), Colour::Hex(0x5DB55A));
    Hill(cr, 150, 22, 3.5, Colour::Hex(0x7ACB62), Colour::Hex(0x3E9A48));
    // a path winding to the door
    cairo_move_to(cr, 118, 146);
    cairo_curve_to(cr, 120, 165, 70, 172, 84, 200);
    cairo_line_to(cr, 124, 200);
    cairo_curve_to(cr, 112, 176, 136, 165, 134, 146);
    cairo_close_path(cr);
    shapes::FillGradient(cr, 146, 200, Colour::Hex(0xF2DDB0), Colour::Hex(0xD9B77A));
    shapes::Outline(cr, kInk.WithAlpha(0.5), 2);
    Speckle(cr, rng, {0, 150, 200, 200}, 140, 5, Colour::Hex(0x2F7F3A).WithAlpha(0.55), 1.3);
    motifs::Draw(cr, Motif::Tree, 40, 118, 76);
    motifs::Draw(cr, Motif::House, 128, 112, 72);
    motifs::Draw(cr, Motif::Butterfly, 176, 104, 24);
    const double flowers[][3] = {{16, 176, 24}, {44, 188, 20}, {160, 178, 26}, {186, 160, 18}, {148, 196, 16}};
    for (const auto& f : flowers) {
        motifs::Draw(cr, Motif::Flower, f[0], f[1], f[2]);
    }
    motifs::Draw(cr, Motif::Mushroom, 72, 160, 18);
}

void Seaweed(cairo_t* cr, double x, double height, double phase) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, x, kSize);
        for (double t = 0; t <= 1.0; t += 0.05) {
            cairo_line_to(cr, x + 7 * std::sin(t * 9 + phase), kSize - t * height);
        }
        shapes::Outline(cr, pass == 0 ? kInk : kGreen, pass == 0 ? 8 : 4.5);
    }
}

void Jellyfish(cairo_t* cr, double x, double y, double s) {
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, x + i * s * 0.22, y);
        cairo_curve_to(cr, x + i * s * 0.22 + s * 0.15, y + s * 0.4, x + i * s * 0.22 - s * 0.15, y + s * 0.7,
                       x + i * s * 0.22, y + s);
    }
    shapes::Outline(cr, kPink.Mix(kInk, 0.2), 1.8);
    cairo_move_to(cr, x - s * 0.6, y + s * 0.05);
    cairo_curve_to(cr, x - s * 0.6, y - s * 0.75, x + s * 0.6, y - s * 0.75, x + s * 0.6, y + s * 0.05);
    cairo_close_path(cr);
    shapes::FillGradient(cr, y - s * 0.6, y, kPink.Mix(kWhite, 0.5), kPink.Mix(kPurple, 0.3));
    shapes::Outline(cr, kInk, 2);
    shapes::Circle(cr, x - s * 0.2, y - s * 0.3, s * 0.08);
    shapes::Circle(cr, x + s * 0.12, y - s * 0.38, s * 0.06);
    kWhite.WithAlpha(0.8).Use(cr);
    cairo_fill(cr);
}

// The water's surface seen from below: a bright band with ripples.
void Surface(cairo_t* cr) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, kSize, 0);
    cairo_line_to(cr, kSize, 10);
    for (double x = kSize; x >= 0; x -= 5) {
        cairo_line_to(cr, x, 10 + 3 * std::sin(x / 9));
    }
    cairo_close_path(cr);
    kWhite.WithAlpha(0.45).Use(cr);
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        const double x = 14 + i * 34;
        cairo_move_to(cr, x, 18 + (i % 2) * 5);
        cairo_curve_to(cr, x + 6, 15 + (i % 2) * 5, x + 12, 21 + (i % 2) * 5, x + 18, 18 + (i % 2) * 5);
    }
    shapes::Outline(cr, kWhite.WithAlpha(0.5), 1.5);
}

void Sea(cairo_t* cr) {
    FixedRandom rng(33);
    Backdrop(cr, Colour::Hex(0x9FE3F0), Colour::Hex(0x1F6FB8));
    for (int i = 0; i < 5; ++i) {  // light from above
        const double x = 20 + i * 42;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 16, 0);
        cairo_line_to(cr, x - 24, kSize);
        cairo_line_to(cr, x - 48, kSize);
        cairo_close_path(cr);
    }
    kWhite.WithAlpha(0.12).Use(cr);
    cairo_fill(cr);
    Surface(cr);
    // sand with pebbles
    cairo_move_to(cr, 0, 168);
    cairo_curve_to(cr, 60, 156, 130, 182, 200, 164);
    cairo_line_to(cr, 200, 200);
    cairo_line_to(cr, 0, 200);
    cairo_close_path(cr);
    shapes::FillGradient(cr, 156, 200, Colour::Hex(0xF8E3A8), Colour::Hex(0xE0BC72));
    shapes::Outline(cr, kInk.WithAlpha(0.5), 2);
    for (int i = 0; i < 30; ++i) {
        shapes::Circle(cr, rng.Range(0, 200), rng.Range(174, 200), rng.Range(0.8, 2.2));
    }
    Colour::Hex(0xA9824A).Use(cr);
    cairo_fill(cr);
    Seaweed(cr, 18, 92, 0);
    Seaweed(cr, 30, 60, 2);
    Seaweed(cr, 176, 104, 1);
    Seaweed(cr, 188, 70, 3);
    // coral
    for (int pass = 0; pass < 2; ++pass) {
        const double branches[][4] = {{100, 182, 100, 150}, {100, 166, 84, 146}, {100, 160, 118, 138},
                                      {88, 152, 78, 140},   {86, 150, 92, 134},  {114, 146, 126, 134},
                                      {112, 144, 110, 128}, {100, 152, 101, 132}};
        for (const auto& b : branches) {
            cairo_move_to(cr, b[0], b[1]);
            cairo_line_to(cr, b[2], b[3]);
        }
        shapes::Outline(cr, pass == 0 ? kInk : kPink, pass == 0 ? 9 : 5.5);
    }
    motifs::Draw(cr, Motif::Star, 150, 178, 26);
    for (int i = 0; i < 18; ++i) {  // bubbles
        const double r = rng.Range(2, 6);
        shapes::Circle(cr, rng.Range(10, 190), rng.Range(8, 150), r);
    }
    shapes::Outline(cr, kWhite.WithAlpha(0.85), 1.5);
    motifs::Draw(cr, Motif::Fish, 64, 58, 64);
    cairo_save(cr);  // one fish swims the other way
    cairo_translate(cr, 150, 102);
    cairo_scale(cr, -1, 1);
    motifs::Draw(cr, Motif::Fish, 0, 0, 52);
    cairo_restore(cr);
    motifs::Draw(cr, Motif::Fish, 58, 130, 32);
    for (const auto& f : {std::pair{150.0, 36.0}, std::pair{172.0, 46.0}, std::pair{186.0, 30.0}}) {
        motifs::Draw(cr, Motif::Fish, f.first, f.second, 16);  // a small shoal
    }
    Jellyfish(cr, 30, 36, 26);
}

void Space(cairo_t* cr) {
    FixedRandom rng(5);
    Backdrop(cr, Colour::Hex(0x2A2F7A), Colour::Hex(0x5B2A78));
    const double glows[][4] = {{40, 150, 90, 0}, {160, 40, 80, 1}, {110, 110, 60, 2}};
    const Colour glowColours[] = {kPink, kTeal, kPurple};
    for (const auto& g : glows) {
        shapes::RadialGradient(cr, g[0], g[1], g[2], glowColours[static_cast<int>(g[3])].WithAlpha(0.45),
                               glowColours[static_cast<int>(g[3])].WithAlpha(0));
        cairo_paint(cr);
    }
    for (int i = 0; i < 90; ++i) {
        shapes::Circle(cr, rng.Range(0, 200), rng.Range(0, 200), rng.Range(0.5, 1.6));
    }
    kWhite.WithAlpha(0.9).Use(cr);
    cairo_fill(cr);
    for (int i = 0; i < 9; ++i) {
        shapes::Star(cr, rng.Range(5, 195), rng.Range(5, 195), 5, 2, 4);
    }
    kYellow.Use(cr);
    cairo_fill(cr);
    // a ringed planet
    cairo_save(cr);
    cairo_translate(cr, 150, 52);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1, 0.32);
    shapes::Circle(cr, 0, 0, 46);
    cairo_restore(cr);
    shapes::Outline(cr, kInk, 7);
    shapes::Circle(cr, 150, 52, 27);
    shapes::FillGradient(cr, 25, 79, kOrange.Mix(kYellow, 0.5), kRed.Mix(kOrange, 0.3));
    shapes::Outline(cr, kInk, 3);
    for (const double y : {44.0, 58.0}) {
        cairo_move_to(cr, 125, y);
        cairo_curve_to(cr, 140, y + 4, 160, y - 4, 175, y);
    }
    shapes::Outline(cr, kWhite.WithAlpha(0.4), 3);
    cairo_save(cr);
    cairo_translate(cr, 150, 52);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1, 0.32);
    cairo_arc(cr, 0, 0, 46, -0.1, kPi + 0.1);
    cairo_restore(cr);
    shapes::Outline(cr, kYellow.Mix(kWhite, 0.3), 4);
    // the moon with craters
    shapes::Circle(cr, 42, 160, 30);
    shapes::FillGradient(cr, 130, 190, Colour::Hex(0xF4F1E6), Colour::Hex(0xBDB8AA));
    shapes::Outline(cr, kInk, 3);
    const double craters[][3] = {{32, 150, 7}, {54, 170, 9}, {46, 146, 4}, {28, 174, 5}};
    for (const auto& c : craters) {
        shapes::Circle(cr, c[0], c[1], c[2]);
        Colour::Hex(0xA9A393).Use(cr);
        cairo_fill_preserve(cr);
        shapes::Outline(cr, kInk.WithAlpha(0.4), 1.5);
    }
    // a small blue planet, a spiral galaxy and a satellite
    shapes::Circle(cr, 64, 100, 11);
    shapes::FillGradient(cr, 89, 111, kSky, kBlue.Mix(kInk, 0.2));
    shapes::Outline(cr, kInk, 2.5);
    cairo_move_to(cr, 55, 97);
    cairo_curve_to(cr, 60, 93, 66, 101, 73, 96);
    shapes::Outline(cr, kGreen, 2.5);
    for (int arm = 0; arm < 2; ++arm) {
        for (double t = 0; t < 3.2; t += 0.15) {
            const double r = 2 + t * 4.5;
            const double a = t * 1.6 + arm * kPi;
            cairo_line_to(cr, 24 + r * std::cos(a), 76 + r * 0.6 * std::sin(a));
        }
        shapes::Outline(cr, kWhite.WithAlpha(0.55), 2.2);
    }
    shapes::Circle(cr, 24, 76, 3.5);
    kYellow.Mix(kWhite, 0.5).Use(cr);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 176, 174);
    cairo_rotate(cr, -0.5);
    for (const double side : {-1.0, 1.0}) {
        cairo_rectangle(cr, side > 0 ? 7 : -25, -6, 18, 12);
        shapes::FillGradient(cr, -6, 6, kBlue.Mix(kWhite, 0.3), kBlue.Mix(kInk, 0.3));
        shapes::Outline(cr, kInk, 2);
    }
    shapes::RoundedRect(cr, -7, -8, 14, 16, 3);
    shapes::FillGradient(cr, -8, 8, kYellow.Mix(kWhite, 0.4), kOrange);
    shapes::Outline(cr, kInk, 2);
    cairo_restore(cr);
    // a comet
    cairo_move_to(cr, 20, 30);
    cairo_line_to(cr, 70, 54);
    shapes::Outline(cr, kWhite.WithAlpha(0.35), 8);
    motifs::Draw(cr, Motif::Star, 74, 56, 18);
    cairo_save(cr);
    cairo_translate(cr, 128, 132);
    cairo_rotate(cr, 0.6);
    motifs::Draw(cr, Motif::Rocket, 0, 0, 86);
    cairo_restore(cr);
}

}  // namespace

void PaintPuzzlePictures(cairo_t* cr) {
    void (*const scenes[])(cairo_t*) = {Garden, Sea, Space};
    for (int k = 0; k < 3; ++k) {
        RegionScope scope(cr, RegionRect("misc1.PNG", "puzzle " + std::to_string(k)));
        scenes[k](cr);
    }
}
