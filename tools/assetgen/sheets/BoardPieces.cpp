// misc1.PNG: the small pieces many games share: the neutral cell, the peg,
// the three marks of the hidden-atoms game, the tick, the operator box, the
// nine-slice text box and the letter tile.
#include "sheets/RegionGroups.h"

#include "Canvas.h"
#include "GameIcons.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "misc1.PNG";

Colour Grey(int level) { return Colour::Hex(0x010101u * static_cast<unsigned>(level)); }

// Filled axis-aligned rectangle in one colour.
void Block(cairo_t* cr, double x, double y, double w, double h, const Colour& colour) {
    cairo_rectangle(cr, x, y, w, h);
    colour.Use(cr);
    cairo_fill(cr);
}

// The cell is tinted by many games (selected, marked, lamp colours), so it is
// pure grey: a white face, a soft bevel and a grey rim that forms the grid
// lines where cells abut. Fully opaque: some tints are half transparent.
void Cell(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "cell"));
    Block(cr, 0, 0, 50, 50, Grey(0x9A));
    Block(cr, 1, 1, 48, 48, Grey(0xD2));
    shapes::RoundedRect(cr, 2.5, 2.5, 45, 45, 5);
    shapes::FillGradient(cr, 2.5, 47.5, kWhite, Grey(0xEC));
    shapes::Outline(cr, Grey(0xBD), 1);
    shapes::RoundedRect(cr, 4, 4, 42, 20, 4);
    shapes::Sheen(cr, 4, 24, 0.6);
    cairo_new_path(cr);
}

// A white peg seen from above; every colour comes from the tint. The disc is
// small enough for four score pegs to sit side by side in a 2 x 2 square 25
// pixels apart, and for a guess peg to sit inside its hole.
void Peg(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "peg"));
    const double c = 20;
    const double r = 12;
    auto disc = [&](cairo_t* cc) { shapes::Circle(cc, c, c - 0.5, r); };
    DrawSoftShadow(cr, 0, 0, 40, 40, disc, 0.6, 1.2, 1.5, Grey(0).WithAlpha(0.45));
    disc(cr);
    shapes::RadialGradient(cr, c - 3.6, c - 4.4, r * 1.5, kWhite, Grey(0x9C));
    cairo_fill_preserve(cr);
    shapes::Outline(cr, Grey(0x46), 1.2);
    // the rounded top of the peg
    shapes::Circle(cr, c, c - 0.5, r * 0.58);
    shapes::Outline(cr, Grey(0xA8).WithAlpha(0.8), 1.0);
    shapes::Circle(cr, c - 3.6, c - 4.7, 2.4);
    kWhite.WithAlpha(0.9).Use(cr);
    cairo_fill(cr);
}

void Mark(cairo_t* cr, const char* name, void (*paint)(cairo_t*, double, double, double), double cx,
          double cy, double size) {
    RegionScope scope(cr, RegionRect(kSheet, name));
    paint(cr, cx, cy, size);
}

void TickRegion(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "tick"));
    icons::Tick(cr, 25, 25, 38);
}

void CrossRegion(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "cross"));
    icons::Cross(cr, 25, 25, 38);
}

void OperatorBox(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "operator box"));
    icons::OperatorPlate(cr, 50, false);
}

// The text box is stretched whole and cut into nine slices, so every effect
// lives in the outer five pixels and runs straight along each edge: a blue
// rim, a pale bevel and an inset shade at the top and left. The inside is
// one flat colour.
void TextBox(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "text box"));
    shapes::RoundedRect(cr, 0, 0, 50, 50, 4.5);
    kButtonBorder.Use(cr);
    cairo_fill(cr);
    Block(cr, 2, 2, 46, 46, kButtonBottom);
    Block(cr, 3, 3, 44, 44, kWhite);
    Block(cr, 3, 3, 44, 1, kButtonBottom.Mix(kWhite, 0.35));
    Block(cr, 3, 4, 1, 43, kButtonBottom.Mix(kWhite, 0.5));
}

// A wooden letter tile with a soft shadow.
void LetterTile(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "tile"));
    auto body = [](cairo_t* c) { shapes::RoundedRect(c, 3, 2, 44, 44, 8); };
    DrawSoftShadow(cr, 0, 0, 50, 50, body, 0, 2, 3, kShadow.WithAlpha(0.4));
    body(cr);
    shapes::FillGradient(cr, 2, 46, Colour::Hex(0xFFF7E4), Colour::Hex(0xF4D9A6));
    cairo_new_path(cr);
    shapes::RoundedRect(cr, 6, 4.5, 38, 17, 6);
    shapes::Sheen(cr, 4.5, 21.5, 0.7);
    cairo_new_path(cr);
    shapes::RoundedRect(cr, 4, 3, 42, 42, 7);
    shapes::Outline(cr, Colour::Hex(0xB27A3A), 2);
}

}  // namespace

void PaintBoardPieces(cairo_t* cr) {
    Cell(cr);
    Peg(cr);
    Mark(cr, "mark reflected", icons::ReflectedMark, 25, 25, 36);
    Mark(cr, "mark absorbed", icons::AbsorbedMark, 25, 25, 38);
    // The doubt badge sits in a corner, so the lamp's ray colour stays visible.
    Mark(cr, "mark doubtful", icons::DoubtMark, 37, 13, 22);
    TickRegion(cr);
    CrossRegion(cr);
    OperatorBox(cr);
    TextBox(cr);
    LetterTile(cr);
}
