// misc4.PNG: the money of the change-giving game and the frame of its change
// tray. Coins are drawn at three quarters of their size and notes at half,
// and the player adds up their values, so each piece carries its value large
// and has its own colour and size.
#include "sheets/Sheets.h"

#include <cmath>
#include <numbers>
#include <string>

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

// A band of `rows` colours across the bar's thickness, the same all along its length.
void FrameBar(cairo_t* cr, const char* name, bool horizontal) {
    const Rect r = RegionRect(kSheet, name);
    RegionScope scope(cr, r);
    const Colour bands[] = {kInk, kPanelBorder, kSky.Mix(kWhite, 0.3), kPanelBorder, kInk};
    for (int i = 0; i < 5; ++i) {
        if (horizontal) {
            cairo_rectangle(cr, 0, i, r.Width(), 1);
        } else {
            cairo_rectangle(cr, i, 0, 1, r.Height());
        }
        bands[i].Use(cr);
        cairo_fill(cr);
    }
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
    FrameBar(cr, "frame h", true);
    FrameBar(cr, "frame v", false);
}
