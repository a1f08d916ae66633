// misc2.PNG: the round cards of the memory game: the plain face the pair
// picture is drawn on, and three backs. The game also draws the face in black
// as every card's shadow, so all four share one disc whose alpha is exactly
// its coverage.
#include "sheets/RegionGroups.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Canvas.h"
#include "Decor.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "misc2.PNG";
constexpr double kC = 50;
constexpr double kR = 47.5;
constexpr double kPi = std::numbers::pi;

void Disc(cairo_t* cr) { shapes::Circle(cr, kC, kC, kR); }

// The rim every card shares: an ink edge and a light inner ring.
void Rim(cairo_t* cr, const Colour& ring) {
    shapes::Circle(cr, kC, kC, kR);
    shapes::Outline(cr, kInk, 5);
    shapes::Circle(cr, kC, kC, kR - 7);
    shapes::Outline(cr, ring, 2.5);
}

void Base(cairo_t* cr, const Colour& colour) {
    shapes::RadialGradient(cr, kC - 12, kC - 16, kR * 1.5, colour.Mix(kWhite, 0.35), colour.Mix(kInk, 0.2));
    cairo_paint(cr);
}

void Face(cairo_t* cr) {
    shapes::RadialGradient(cr, kC - 10, kC - 14, kR * 1.4, kWhite, kPanelBottom);
    cairo_paint(cr);
    Rim(cr, kPanelBorder.WithAlpha(0.35));
}

void StarBack(cairo_t* cr) {
    Base(cr, kBlue);
    for (int i = 0; i < 10; ++i) {
        const double a = i * kPi / 5;
        shapes::Star(cr, kC + 29 * std::cos(a), kC + 29 * std::sin(a), 5.5, 2.4, 5, a);
    }
    kWhite.WithAlpha(0.75).Use(cr);
    cairo_fill(cr);
    decor::InkedFigure(cr, decor::Figure::Star, kC, kC + 1, 34, 0, kYellow, 2.5);
    Rim(cr, kWhite.WithAlpha(0.8));
}

void RingBack(cairo_t* cr) {
    Base(cr, kOrange);
    for (int i = 4; i >= 1; --i) {
        shapes::Circle(cr, kC, kC, i * 10.0);
        (i % 2 == 0 ? kRed : kOrange).Mix(kWhite, 0.15).Use(cr);
        cairo_fill(cr);
    }
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        shapes::Circle(cr, kC + 35 * std::cos(a), kC + 35 * std::sin(a), 2.5);
    }
    kYellow.Use(cr);
    cairo_fill(cr);
    decor::QuestionBadge(cr, kC, kC, 16);
    Rim(cr, kWhite.WithAlpha(0.8));
}

void StripeBack(cairo_t* cr) {
    Base(cr, kGreen);
    cairo_save(cr);
    cairo_translate(cr, kC, kC);
    cairo_rotate(cr, -kPi / 4);
    for (double x = -70; x < 70; x += 16) {
        cairo_rectangle(cr, x, -70, 8, 140);
    }
    kWhite.WithAlpha(0.18).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    decor::InkedFigure(cr, decor::Figure::Puzzle, kC + 1, kC + 2, 40, 0, kWhite, 2.5);
    Rim(cr, kWhite.WithAlpha(0.8));
}

void Card(cairo_t* cr, const std::string& name, void (*content)(cairo_t*)) {
    RegionScope scope(cr, RegionRect(kSheet, name));
    shapes::PaintInside(cr, Disc, content);
}

}  // namespace

void PaintRoundCards(cairo_t* cr) {
    Card(cr, "card face", Face);
    Card(cr, "card back 0", StarBack);
    Card(cr, "card back 1", RingBack);
    Card(cr, "card back 2", StripeBack);
}
