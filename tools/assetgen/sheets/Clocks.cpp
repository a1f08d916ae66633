// misc1.PNG: the clocks of the clock reading game. The game writes the time
// on the digital display's window and "am" / "pm" below the dial's centre
// (rows 130 to 175, where the six would stand: the dial leaves it out), and
// turns both hands clockwise about their cell centre; at angle 0 they point
// to twelve.
#include "sheets/RegionGroups.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Canvas.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"
#include "Text.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "misc1.PNG";
constexpr double kPi = std::numbers::pi;

const Colour kCase = kBlue;
const Colour kLcdTop = Colour::Hex(0xF1F8E6);
const Colour kLcdBottom = Colour::Hex(0xD5E8C0);

void DigitalClock(cairo_t* cr) {
    const Rect r = RegionRect(kSheet, "digital clock");
    RegionScope scope(cr, r);
    auto body = [](cairo_t* c) { shapes::RoundedRect(c, 5, 8, 190, 84, 18); };
    // two buttons on top
    for (const double x : {44.0, 156.0}) {
        shapes::RoundedRect(cr, x - 12, 3, 24, 10, 4);
        shapes::FillGradient(cr, 3, 13, kOrange.Mix(kWhite, 0.4), kOrange);
        shapes::Outline(cr, kInk, 2);
    }
    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), body, 0, 2, 4, kShadow.WithAlpha(0.35));
    body(cr);
    shapes::FillGradient(cr, 8, 92, kCase.Mix(kWhite, 0.35), kCase);
    cairo_new_path(cr);
    shapes::RoundedRect(cr, 10, 11, 180, 30, 14);
    shapes::Sheen(cr, 11, 41, 0.45);
    cairo_new_path(cr);
    body(cr);
    shapes::Outline(cr, kInk, 3);
    // the window the game writes the time in
    shapes::RoundedRect(cr, 20, 21, 160, 58, 9);
    shapes::FillGradient(cr, 21, 79, kLcdTop, kLcdBottom);
    shapes::Outline(cr, kInk, 2.5);
    shapes::RoundedRect(cr, 24, 24, 152, 3, 1.5);
    kLcdBottom.Mix(kInk, 0.15).WithAlpha(0.6).Use(cr);
    cairo_fill(cr);
    // speaker holes
    for (int i = 0; i < 5; ++i) {
        shapes::Circle(cr, 84 + i * 8, 86, 1.6);
    }
    kInk.WithAlpha(0.6).Use(cr);
    cairo_fill(cr);
}

void Dial(cairo_t* cr) {
    const Rect r = RegionRect(kSheet, "clock dial");
    RegionScope scope(cr, r);
    const double c = 100;
    auto rim = [c](cairo_t* cc) { shapes::Circle(cc, c, c, 96); };
    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), rim, 0, 2, 4, kShadow.WithAlpha(0.35));
    rim(cr);
    shapes::FillGradient(cr, 4, 196, kCase.Mix(kWhite, 0.35), kCase);
    shapes::Outline(cr, kInk, 3);
    shapes::Circle(cr, c, c, 87);
    shapes::RadialGradient(cr, c, c - 20, 100, kWhite, kPanelBottom);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2.5);

    // minute and hour ticks
    for (int m = 0; m < 60; ++m) {
        const double a = m * kPi / 30;
        const bool hour = m % 5 == 0;
        const double inner = hour ? 77 : 80.5;
        cairo_move_to(cr, c + inner * std::sin(a), c - inner * std::cos(a));
        cairo_line_to(cr, c + 84 * std::sin(a), c - 84 * std::cos(a));
        shapes::Outline(cr, hour ? kInk : kInkSoft, hour ? 3.2 : 1.3);
    }
    text::Style numeral;
    numeral.size = 15;
    numeral.fill = kInk;
    for (int h = 1; h <= 12; ++h) {
        if (h == 6) {
            continue;  // "am" / "pm" stands there
        }
        const double a = h * kPi / 6;
        text::Centred(cr, std::to_string(h), c + 68 * std::sin(a), c - 68 * std::cos(a), numeral);
    }
}

// A hand pointing up from the centre (100, 100) of its cell: `length` to the
// tip, a short tail behind the centre, `width` at its widest.
void Hand(cairo_t* cr, const char* name, double length, double width, const Colour& colour, bool cap) {
    const Rect r = RegionRect(kSheet, name);
    RegionScope scope(cr, r);
    const double c = 100;
    const double half = width / 2;
    auto shape = [&](cairo_t* cc) {
        cairo_move_to(cc, c, c - length);
        cairo_curve_to(cc, c + half * 0.4, c - length + 8, c + half, c - length * 0.55, c + half, c - 4);
        cairo_line_to(cc, c + half * 0.7, c + 16);
        cairo_arc(cc, c, c + 16, half * 0.7, 0, kPi);
        cairo_line_to(cc, c - half, c - 4);
        cairo_curve_to(cc, c - half, c - length * 0.55, c - half * 0.4, c - length + 8, c, c - length);
        cairo_close_path(cc);
        shapes::Circle(cc, c, c, half + 3);
    };
    // an even glow instead of a cast shadow: the hand turns, the glow looks the same
    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), shape, 0, 0, 4, kShadow.WithAlpha(0.4));
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    shape(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(c - half, 0, c + half, 0);
    const Colour light = colour.Mix(kWhite, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 1, colour.r, colour.g, colour.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2.2);
    if (cap) {
        shapes::Circle(cr, c, c, 7);
        shapes::RadialGradient(cr, c - 2, c - 2, 9, kYellow.Mix(kWhite, 0.4), kOrange);
        cairo_fill_preserve(cr);
        shapes::Outline(cr, kInk, 2);
    }
}

}  // namespace

void PaintClocks(cairo_t* cr) {
    DigitalClock(cr);
    Dial(cr);
    Hand(cr, "hour hand", 54, 13, kRed, false);
    Hand(cr, "minute hand", 76, 9, kBlue, true);
}
