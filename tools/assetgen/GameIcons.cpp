#include "GameIcons.h"

#include <cmath>
#include <numbers>

#include "Shapes.h"
#include "SoftShadow.h"
#include "Text.h"

namespace icons {

using namespace palette;

namespace {

constexpr double kPi = std::numbers::pi;

void TickPath(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx - s * 0.40, cy + s * 0.02);
    cairo_line_to(cr, cx - s * 0.12, cy + s * 0.30);
    cairo_line_to(cr, cx + s * 0.40, cy - s * 0.30);
}

// Solid bars and dots of an operator sign, as one path.
void SignPath(cairo_t* cr, int op, double cx, double cy, double size) {
    const double half = size / 2;
    const double t = size * 0.11;  // half the bar thickness
    auto bar = [&](double turn) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, turn);
        shapes::RoundedRect(cr, -half, -t, size, 2 * t, t);
        cairo_restore(cr);
    };
    switch (op) {
        case 0:
            bar(0);
            bar(kPi / 2);
            break;
        case 1:
            bar(0);
            break;
        case 2:
            bar(kPi / 4);
            bar(-kPi / 4);
            break;
        default:
            bar(0);
            shapes::Circle(cr, cx, cy - half * 0.62, t * 1.3);
            shapes::Circle(cr, cx, cy + half * 0.62, t * 1.3);
            break;
    }
}

// The two strokes of a cross, as one path.
void CrossPath(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx - s * 0.32, cy - s * 0.32);
    cairo_line_to(cr, cx + s * 0.32, cy + s * 0.32);
    cairo_move_to(cr, cx + s * 0.32, cy - s * 0.32);
    cairo_line_to(cr, cx - s * 0.32, cy + s * 0.32);
}

// A verdict mark: the path stroked thick in ink over a soft shadow, then in
// its colour, with a lighter line along its top.
void VerdictIcon(cairo_t* cr, void (*path)(cairo_t*, double, double, double), double cx, double cy, double size,
                 const Colour& colour) {
    auto mask = [&](cairo_t* c) {
        path(c, cx, cy, size);
        cairo_set_line_width(c, size * 0.30);
        cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(c);  // the mask's default source is opaque black
    };
    const int area = static_cast<int>(size * 1.6);
    DrawSoftShadow(cr, cx - area / 2.0, cy - area / 2.0, area, area, mask, 1, 2, 3, kShadow.WithAlpha(0.35));
    path(cr, cx, cy, size);
    shapes::Outline(cr, kInk, size * 0.30);
    path(cr, cx, cy, size);
    shapes::Outline(cr, colour, size * 0.17);
    path(cr, cx - size * 0.02, cy - size * 0.03, size * 0.92);
    shapes::Outline(cr, colour.Mix(kWhite, 0.45), size * 0.05);
}

}  // namespace

void Tick(cairo_t* cr, double cx, double cy, double size) { VerdictIcon(cr, TickPath, cx, cy, size, kGreen); }

void Cross(cairo_t* cr, double cx, double cy, double size) { VerdictIcon(cr, CrossPath, cx, cy, size, kRed); }

void OperatorPlate(cairo_t* cr, double size, bool lit) {
    const double c = size / 2;
    const double r = size * 0.44;
    auto disc = [&](cairo_t* cc) { shapes::Circle(cc, c, c - 0.5, r); };
    const Colour top = lit ? kGreen.Mix(kWhite, 0.6) : kHotTop;
    const Colour bottom = lit ? kGreen : kYellow.Mix(kWhite, 0.5);
    const Colour rim = lit ? Colour::Hex(0x23804C) : kHotBorder;

    DrawSoftShadow(cr, 0, 0, static_cast<int>(size), static_cast<int>(size), disc, 0, 1.5, 3,
                   kShadow.WithAlpha(0.35));
    disc(cr);
    shapes::FillGradient(cr, c - r, c + r, top, bottom);
    cairo_new_path(cr);
    cairo_save(cr);
    disc(cr);
    cairo_clip(cr);
    shapes::Circle(cr, c, c - r * 0.55, r * 0.75);
    shapes::Sheen(cr, c - r, c, 0.7);
    cairo_restore(cr);
    cairo_new_path(cr);
    shapes::Circle(cr, c, c - 0.5, r - 1.25);
    shapes::Outline(cr, rim, 2.5);
}

void OperatorSign(cairo_t* cr, int op, double cx, double cy, double size, const Colour& colour,
                  double rim) {
    if (rim > 0) {
        SignPath(cr, op, cx, cy, size);
        shapes::Outline(cr, kInk, 2 * rim);
    }
    SignPath(cr, op, cx, cy, size);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    colour.Use(cr);
    cairo_fill(cr);
}

void ReflectedMark(cairo_t* cr, double cx, double cy, double size) {
    const double s = size;
    const double r = s * 0.24;
    auto hairpin = [&] {
        cairo_move_to(cr, cx - r, cy + s * 0.34);
        cairo_line_to(cr, cx - r, cy - s * 0.04);
        cairo_arc(cr, cx, cy - s * 0.04, r, kPi, 2 * kPi);
        cairo_line_to(cr, cx + r, cy + s * 0.14);
    };
    auto head = [&] {
        cairo_move_to(cr, cx + r - s * 0.16, cy + s * 0.12);
        cairo_line_to(cr, cx + r + s * 0.16, cy + s * 0.12);
        cairo_line_to(cr, cx + r, cy + s * 0.40);
        cairo_close_path(cr);
    };
    hairpin();
    shapes::Outline(cr, kInk, s * 0.21);
    head();
    shapes::Outline(cr, kInk, s * 0.09);
    hairpin();
    shapes::Outline(cr, kBlue, s * 0.11);
    head();
    kBlue.Use(cr);
    cairo_fill(cr);
}

void AbsorbedMark(cairo_t* cr, double cx, double cy, double size) {
    const double s = size;
    shapes::Circle(cr, cx, cy, s * 0.40);
    shapes::Outline(cr, kInk, s * 0.16);
    shapes::Circle(cr, cx, cy, s * 0.40);
    shapes::Outline(cr, kOrange, s * 0.08);
    shapes::Circle(cr, cx, cy, s * 0.30);
    shapes::RadialGradient(cr, cx - s * 0.08, cy - s * 0.1, s * 0.34, kInkSoft, kShadow);
    cairo_fill(cr);
    shapes::Circle(cr, cx - s * 0.1, cy - s * 0.11, s * 0.06);
    kWhite.WithAlpha(0.8).Use(cr);
    cairo_fill(cr);
}

void DoubtMark(cairo_t* cr, double cx, double cy, double size) {
    const double r = size / 2;
    shapes::Circle(cr, cx, cy, r - 1);
    shapes::FillGradient(cr, cy - r, cy + r, kYellow.Mix(kWhite, 0.5), kYellow.Mix(kOrange, 0.3));
    shapes::Outline(cr, kInk, 2);
    text::Style q;
    q.face = text::Face::Title;
    q.size = size * 0.8;
    q.fill = kInk;
    text::Centred(cr, "?", cx, cy, q);
}

void Atom(cairo_t* cr, double cx, double cy, double radius) {
    shapes::Circle(cr, cx, cy, radius);
    shapes::RadialGradient(cr, cx - radius * 0.35, cy - radius * 0.4, radius * 1.3, kRed.Mix(kWhite, 0.4),
                           kRed.Mix(kInk, 0.3));
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, std::fmax(1.5, radius * 0.12));
    shapes::Circle(cr, cx - radius * 0.35, cy - radius * 0.4, radius * 0.22);
    kWhite.WithAlpha(0.85).Use(cr);
    cairo_fill(cr);
}

}  // namespace icons
