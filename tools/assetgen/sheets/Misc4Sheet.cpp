// misc4.PNG: the money of the change-giving game and its cash tray. Coins are
// drawn at three quarters of their size and notes at half, and the player
// adds up their values, so each piece carries its value large and has its own
// colour and size. The cash tray is drawn at its own size; the game writes
// the tray's name in black on its brass plate (16, 9)-(484, 39) and lays the
// change on its felt (16, 46)-(484, 172).
#include "sheets/Sheets.h"

#include <cmath>
#include <numbers>
#include <string>

#include "FixedRandom.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"
#include "Text.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "misc4.PNG";
constexpr double kPi = std::numbers::pi;

struct Metal {
    Colour light;
    Colour mid;
    Colour dark;
};

const Metal kCopper = {Colour::Hex(0xFAC79A), Colour::Hex(0xDB8550), Colour::Hex(0x96481F)};
const Metal kGold = {Colour::Hex(0xFFEBA8), Colour::Hex(0xE8BD4A), Colour::Hex(0xA2741A)};
const Metal kSilver = {Colour::Hex(0xFBFCFF), Colour::Hex(0xC9CFD9), Colour::Hex(0x7D8596)};

void MetalDisc(cairo_t* cr, double c, double r, const Metal& m) {
    shapes::Circle(cr, c, c, r);
    shapes::RadialGradient(cr, c - r * 0.35, c - r * 0.4, r * 1.45, m.light, m.dark);
    cairo_fill(cr);
}

struct Coin {
    int cents;
    double radius;
    Metal ring;
    Metal centre;  // differs from the ring on the two euro coins
};

void PaintCoin(cairo_t* cr, const Coin& coin) {
    const std::string name = "coin " + std::to_string(coin.cents);
    RegionScope scope(cr, RegionRect(kSheet, name));
    const double c = 50;
    const double r = coin.radius;
    auto disc = [&](cairo_t* cc) { shapes::Circle(cc, c, c, r); };
    DrawSoftShadow(cr, 0, 0, 100, 100, disc, 0.5, 1.5, 2, kShadow.WithAlpha(0.45));
    MetalDisc(cr, c, r, coin.ring);
    // milled edge
    for (int i = 0; i < 72; ++i) {
        const double a = i * kPi / 36;
        cairo_move_to(cr, c + (r - 3.5) * std::cos(a), c + (r - 3.5) * std::sin(a));
        cairo_line_to(cr, c + r * std::cos(a), c + r * std::sin(a));
    }
    shapes::Outline(cr, coin.ring.dark.WithAlpha(0.55), 1.2);
    const bool twoMetals = coin.cents >= 100;
    const double field = twoMetals ? r * 0.64 : r - 7;
    if (twoMetals) {
        MetalDisc(cr, c, field, coin.centre);
    }
    shapes::Circle(cr, c, c, field);
    shapes::Outline(cr, coin.ring.dark.WithAlpha(0.7), 1.5);
    // twelve stars around the field
    if (!twoMetals) {
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            shapes::Star(cr, c + (field - 5) * std::cos(a), c + (field - 5) * std::sin(a), 2.6, 1.1, 5);
        }
        coin.ring.dark.WithAlpha(0.7).Use(cr);
        cairo_fill(cr);
    }
    shapes::Circle(cr, c, c, r - 0.75);
    shapes::Outline(cr, kInk, 1.5);

    // the value, embossed: a light edge under dark figures
    const std::string value = std::to_string(coin.cents >= 100 ? coin.cents / 100 : coin.cents);
    const Metal& face = twoMetals ? coin.centre : coin.ring;
    text::Style figure;
    figure.size = twoMetals ? r * 0.78 : r * (value.size() > 1 ? 0.82 : 0.95);
    figure.fill = face.light;
    const double cy = c - r * 0.12;
    text::Centred(cr, value, c + 1, cy + 1, figure);
    figure.fill = face.dark.Mix(kInk, 0.45);
    text::Centred(cr, value, c, cy, figure);
    text::Style unit;
    unit.size = twoMetals ? r * 0.2 : r * 0.24;
    unit.fill = face.dark.Mix(kInk, 0.45);
    text::Centred(cr, coin.cents >= 100 ? "EURO" : "CENT", c, c + (twoMetals ? r * 0.4 : r * 0.5), unit);
}

struct Note {
    int cents;
    Colour colour;
};

void PaintNote(cairo_t* cr, const Note& note) {
    const Rect rect = RegionRect(kSheet, "note " + std::to_string(note.cents));
    RegionScope scope(cr, rect);
    const double w = rect.Width();
    const double h = rect.Height();
    const Colour& base = note.colour;
    auto paper = [&](cairo_t* cc) { shapes::RoundedRect(cc, 2, 2, w - 5, h - 5, 7); };
    DrawSoftShadow(cr, 0, 0, rect.Width(), rect.Height(), paper, 1, 1.5, 2, kShadow.WithAlpha(0.4));
    paper(cr);
    shapes::FillGradient(cr, 2, h - 3, base.Mix(kWhite, 0.7), base.Mix(kWhite, 0.35));
    cairo_save(cr);
    paper(cr);
    cairo_clip(cr);
    // fine wavy lines across the paper
    for (int i = 0; i < 9; ++i) {
        const double y0 = 8 + i * (h - 16) / 8;
        cairo_move_to(cr, 0, y0);
        for (double x = 0; x <= w; x += 4) {
            cairo_line_to(cr, x, y0 + 3.5 * std::sin(x / 11 + i * 0.8));
        }
    }
    shapes::Outline(cr, base.WithAlpha(0.28), 1);
    // an arched window on the right, a light oval on the left
    const double ax = w * 0.64;
    const double aw = h * 0.46;
    cairo_move_to(cr, ax - aw / 2, h - 10);
    cairo_line_to(cr, ax - aw / 2, h * 0.42);
    cairo_arc(cr, ax, h * 0.42, aw / 2, kPi, 2 * kPi);
    cairo_line_to(cr, ax + aw / 2, h - 10);
    cairo_close_path(cr);
    shapes::FillGradient(cr, h * 0.2, h, base.Mix(kWhite, 0.2), base);
    shapes::Outline(cr, base.Mix(kInk, 0.4), 1.5);
    cairo_move_to(cr, ax, h * 0.42 - aw / 2);
    cairo_line_to(cr, ax, h - 10);
    shapes::Outline(cr, base.Mix(kInk, 0.4).WithAlpha(0.5), 1.5);
    for (int i = 0; i < 12; ++i) {  // the ring of stars
        const double a = i * kPi / 6;
        shapes::Star(cr, w * 0.86 + h * 0.17 * std::cos(a), h * 0.62 + h * 0.17 * std::sin(a), 2.4, 1, 5);
    }
    kYellow.Mix(kOrange, 0.2).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    shapes::RoundedRect(cr, 6, 6, w - 13, h - 13, 5);
    shapes::Outline(cr, base.Mix(kInk, 0.25).WithAlpha(0.6), 1.5);
    paper(cr);
    shapes::Outline(cr, kInk, 2);

    // the value: large on the left, small in the top right corner
    const std::string value = std::to_string(note.cents / 100);
    text::Style big;
    big.size = h * 0.52;
    big.fill = base.Mix(kInk, 0.55);
    big.outline = kWhite;
    big.outlineWidth = 2.5;
    text::Centred(cr, value, w * 0.25, h * 0.47, big);
    text::Style small;
    small.size = h * 0.2;
    small.fill = base.Mix(kInk, 0.55);
    text::Centred(cr, value, w * 0.87, h * 0.2, small);
    text::Style label;
    label.size = h * 0.13;
    label.fill = base.Mix(kInk, 0.45);
    text::Centred(cr, "EURO", w * 0.25, h * 0.82, label);
}

const Colour kWood = Colour::Hex(0xC98A4B);
const Colour kWoodDark = Colour::Hex(0x94592A);
const Colour kWoodEdge = Colour::Hex(0x5A3518);
const Colour kFelt = Colour::Hex(0x2F6B4A);
const Colour kFeltDark = Colour::Hex(0x22553A);
const Colour kBrassLight = Colour::Hex(0xFFF3CC);
const Colour kBrass = Colour::Hex(0xEDCF83);
const Colour kBrassEdge = Colour::Hex(0x8A6424);

// Fine wavy grain across the current clip.
void WoodGrain(cairo_t* cr, double w, double h) {
    FixedRandom random(4711);
    for (double y = 3; y < h; y += random.Range(3.5, 7.5)) {
        const double phase = random.Range(0, 2 * kPi);
        const double wave = random.Range(0.6, 1.8);
        cairo_move_to(cr, 0, y);
        for (double x = 0; x <= w; x += 5) {
            cairo_line_to(cr, x, y + wave * std::sin(x / random.Range(28, 40) + phase));
        }
        shapes::Outline(cr, kWoodEdge.WithAlpha(random.Range(0.08, 0.22)), random.Range(0.6, 1.4));
    }
}

// Felt: tiny light and dark specks.
void FeltSpecks(cairo_t* cr, const Rect& area) {
    FixedRandom random(1234);
    for (int i = 0; i < area.Width() * area.Height() / 6; ++i) {
        const double x = random.Range(area.left, area.right);
        const double y = random.Range(area.top, area.bottom);
        (random.Unit() < 0.5 ? kWhite : kInk).WithAlpha(0.07).Use(cr);
        cairo_rectangle(cr, x, y, 1, 1);
        cairo_fill(cr);
    }
}

void Screw(cairo_t* cr, double x, double y) {
    shapes::Circle(cr, x, y, 3.2);
    shapes::RadialGradient(cr, x - 1, y - 1, 4.5, kBrassLight, kBrassEdge);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kWoodEdge, 1);
    cairo_move_to(cr, x - 2, y + 2);
    cairo_line_to(cr, x + 2, y - 2);
    shapes::Outline(cr, kWoodEdge.WithAlpha(0.8), 1);
}

// The wooden cash tray: a frame with a brass name plate along its top and a
// felt-lined well below it.
void CashTray(cairo_t* cr) {
    const Rect r = RegionRect(kSheet, "cash tray");
    RegionScope scope(cr, r);
    const double w = r.Width();
    const double h = r.Height();
    auto body = [&](cairo_t* cc) { shapes::RoundedRect(cc, 2, 2, w - 6, h - 6, 14); };
    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), body, 0, 2, 3, kShadow.WithAlpha(0.45));
    body(cr);
    shapes::FillGradient(cr, 2, h - 4, kWood, kWoodDark);
    cairo_new_path(cr);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    WoodGrain(cr, w, h);
    cairo_restore(cr);
    cairo_new_path(cr);
    shapes::RoundedRect(cr, 4, 4, w - 10, h - 10, 12);
    shapes::Outline(cr, kWhite.WithAlpha(0.3), 1.5);
    body(cr);
    shapes::Outline(cr, kWoodEdge, 2);

    // the plate
    shapes::RoundedRect(cr, 16, 9, 468, 30, 6);
    shapes::FillGradient(cr, 9, 39, kBrassLight, kBrass);
    shapes::Outline(cr, kBrassEdge, 1.5);
    shapes::RoundedRect(cr, 19, 12, 462, 24, 4);
    shapes::Outline(cr, kWhite.WithAlpha(0.5), 1);
    Screw(cr, 26, 24);
    Screw(cr, 474, 24);

    // the well: a dark wall, then the felt with the shade of the frame's edge
    shapes::RoundedRect(cr, 13, 43, 474, 132, 10);
    shapes::FillGradient(cr, 43, 175, kWoodEdge, kWood.Mix(kWoodEdge, 0.3));
    cairo_new_path(cr);
    const Rect felt{16, 46, 484, 172};
    auto feltPath = [&](cairo_t* cc) {
        shapes::RoundedRect(cc, felt.left, felt.top, felt.Width(), felt.Height(), 8);
    };
    feltPath(cr);
    shapes::FillGradient(cr, felt.top, felt.bottom, kFelt, kFeltDark);
    cairo_save(cr);
    cairo_clip(cr);
    FeltSpecks(cr, felt);
    cairo_rectangle(cr, felt.left, felt.top, felt.Width(), 14);
    shapes::VerticalGradient(cr, felt.top, felt.top + 14, kShadow.WithAlpha(0.45), kShadow.WithAlpha(0));
    cairo_fill(cr);
    cairo_restore(cr);
    feltPath(cr);
    shapes::Outline(cr, kWoodEdge.WithAlpha(0.8), 1.5);
}

}  // namespace

void PaintMisc4(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const Coin coins[] = {
        {1, 38, kCopper, kCopper}, {2, 42, kCopper, kCopper}, {5, 46, kCopper, kCopper},
        {10, 42, kGold, kGold},    {20, 45.5, kGold, kGold},  {50, 48.5, kGold, kGold},
        {100, 46, kGold, kSilver}, {200, 49, kSilver, kGold},
    };
    for (const Coin& coin : coins) {
        PaintCoin(cr, coin);
    }
    const Note notes[] = {
        {500, Colour::Hex(0x8E9C8A)},   {1000, Colour::Hex(0xE0675A)}, {2000, Colour::Hex(0x4E86C6)},
        {5000, Colour::Hex(0xF08C3A)},  {10000, Colour::Hex(0x3FA35A)}, {20000, Colour::Hex(0xD2A93A)},
        {50000, Colour::Hex(0x9C6FC0)},
    };
    for (const Note& note : notes) {
        PaintNote(cr, note);
    }
    CashTray(cr);
}
