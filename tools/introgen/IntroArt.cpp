#include "IntroArt.h"

#include <cmath>
#include <numbers>

#include "Shapes.h"
#include "SoftShadow.h"
#include "Text.h"

namespace intro_art {

namespace {

using namespace palette;
constexpr double kPi = std::numbers::pi;
// Room around a tile for its blurred shadow.
constexpr double kTileShadowRoom = 40;

const Colour kWood = Colour::Hex(0xF39A3D);
const Colour kWoodLight = Colour::Hex(0xFFC274);
const Colour kWoodDark = Colour::Hex(0xC96A1E);

// The box's body in box-canvas coordinates.
void BodyPath(cairo_t* cr) {
    shapes::RoundedRect(cr, kBoxLeft, kBoxOpeningY, kBoxWidth, kBoxHeight, 14);
}

// A small metal plate over one corner of the box's front.
void CornerPlate(cairo_t* cr, double x, double y) {
    shapes::RoundedRect(cr, x - 15, y - 15, 30, 30, 7);
    shapes::FillGradient(cr, y - 15, y + 15, Colour::Hex(0xF2F5FA), Colour::Hex(0x9AA6BA));
    shapes::Outline(cr, kInk, 3);
    for (const double dx : {-7.0, 7.0}) {
        cairo_arc(cr, x + dx, y + (dx < 0 ? -7 : 7), 2.6, 0, 2 * kPi);
        kInk.Use(cr);
        cairo_fill(cr);
    }
}

}  // namespace

int TileCanvasSide(double size) { return static_cast<int>(std::ceil(size + kTileShadowRoom)); }

void PaintSky(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    shapes::RadialGradient(cr, w / 2, h * 0.68, w * 0.8, Colour::Hex(0xF1F7FF), Colour::Hex(0x5F92DE));
    cairo_paint(cr);
    const Colour colours[] = {kWhite, kYellow, kSky};
    decor::Confetti(cr, {.area = {0, 0, static_cast<int>(w), static_cast<int>(h)},
                         .count = 40,
                         .minSize = 16,
                         .maxSize = 50,
                         .minAlpha = 0.10,
                         .maxAlpha = 0.24,
                         .spacing = 1.4,
                         .seed = 2024,
                         .colours = colours,
                         .colourCount = 3});
}

void PaintRays(cairo_t* cr, double cx, double cy, double turn) {
    constexpr int kRays = 16;
    constexpr double kReach = 1300;
    cairo_new_path(cr);
    for (int i = 0; i < kRays; ++i) {
        const double a = turn + i * 2 * kPi / kRays;
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, kReach, a - 0.08, a + 0.08);
        cairo_close_path(cr);
    }
    shapes::RadialGradient(cr, cx, cy, kReach * 0.7, kWhite.WithAlpha(0.30), kWhite.WithAlpha(0.0));
    cairo_fill(cr);
}

void PaintBoxBack(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double left = kBoxLeft;
    const double right = kBoxLeft + kBoxWidth;
    const double rim = kBoxOpeningY;

    // The lid stands open, leaning back.
    cairo_move_to(cr, left + 18, rim - 44);
    cairo_line_to(cr, left - 6, rim - 104);
    cairo_line_to(cr, right + 6, rim - 104);
    cairo_line_to(cr, right - 18, rim - 44);
    cairo_close_path(cr);
    shapes::FillGradient(cr, rim - 104, rim - 44, kWoodLight, kWood);
    shapes::Outline(cr, kInk, 4);
    kWoodDark.WithAlpha(0.5).Use(cr);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, left + 8, rim - 74);
    cairo_line_to(cr, right - 8, rim - 74);
    cairo_stroke(cr);

    // The inside, seen over the front rim.
    cairo_move_to(cr, left + 4, rim + 6);
    cairo_line_to(cr, left + 22, rim - 44);
    cairo_line_to(cr, right - 22, rim - 44);
    cairo_line_to(cr, right - 4, rim + 6);
    cairo_close_path(cr);
    shapes::FillGradient(cr, rim - 44, rim + 6, Colour::Hex(0x5A3416), Colour::Hex(0x8A4A1C));
    shapes::Outline(cr, kInk, 4);
}

void PaintBoxFront(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double cx = kBoxLeft + kBoxWidth / 2;
    const double bottom = kBoxOpeningY + kBoxHeight;

    // The box's shadow on the ground.
    cairo_save(cr);
    cairo_translate(cr, cx, bottom + 6);
    cairo_scale(cr, kBoxWidth * 0.7, 14);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    shapes::RadialGradient(cr, cx, bottom + 6, kBoxWidth * 0.7, kShadow.WithAlpha(0.4), kShadow.WithAlpha(0));
    cairo_fill(cr);

    BodyPath(cr);
    shapes::FillGradient(cr, kBoxOpeningY, bottom, Colour::Hex(0xFFB65C), Colour::Hex(0xE27A26));
    cairo_new_path(cr);
    kWoodDark.WithAlpha(0.55).Use(cr);
    cairo_set_line_width(cr, 3);
    for (const double y : {kBoxOpeningY + 58, kBoxOpeningY + 114}) {
        cairo_move_to(cr, kBoxLeft + 10, y);
        cairo_line_to(cr, kBoxLeft + kBoxWidth - 10, y);
    }
    cairo_stroke(cr);
    BodyPath(cr);
    shapes::Outline(cr, kInk, 4);

    CornerPlate(cr, kBoxLeft + 20, kBoxOpeningY + 20);
    CornerPlate(cr, kBoxLeft + kBoxWidth - 20, kBoxOpeningY + 20);
    CornerPlate(cr, kBoxLeft + 20, bottom - 20);
    CornerPlate(cr, kBoxLeft + kBoxWidth - 20, bottom - 20);

    // A round badge with a puzzle piece.
    const double by = kBoxOpeningY + kBoxHeight / 2;
    cairo_arc(cr, cx, by, 48, 0, 2 * kPi);
    shapes::FillGradient(cr, by - 48, by + 48, kWhite, kPanelBottom);
    shapes::Outline(cr, kInk, 4);
    decor::InkedFigure(cr, decor::Figure::Puzzle, cx, by, 62, 0, kBlue, 3);
}

void PaintTile(Canvas& canvas, const TileLook& look) {
    cairo_t* cr = canvas.Cr();
    const double s = look.size;
    const double c = canvas.Width() / 2.0;
    auto face = [s, c](cairo_t* context) { shapes::RoundedRect(context, c - s / 2, c - s / 2, s, s, s * 0.24); };
    DrawSoftShadow(cr, 0, 0, canvas.Width(), canvas.Height(), face, 4, 7, 7, kShadow.WithAlpha(0.35));
    face(cr);
    shapes::FillGradient(cr, c - s / 2, c + s / 2, look.colour.Mix(kWhite, 0.4), look.colour);
    cairo_new_path(cr);
    shapes::RoundedRect(cr, c - s / 2 + 5, c - s / 2 + 4, s - 10, s * 0.4, s * 0.16);
    shapes::Sheen(cr, c - s / 2 + 4, c, 0.55);
    cairo_new_path(cr);
    face(cr);
    shapes::Outline(cr, kInk, 3.5);
    if (look.glyph != nullptr) {
        text::Style style{.face = text::Face::Title, .size = s * 0.66, .fill = kWhite, .outline = kInk,
                          .outlineWidth = 3};
        text::Centred(cr, look.glyph, c, c, style);
    } else {
        decor::InkedFigure(cr, look.figure, c, c + 1, s * 0.56, 0, kWhite, 3);
    }
}

void PaintTag(Canvas& canvas, const char* utf8, double textSize) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    auto tag = [w, h](cairo_t* context) { shapes::RoundedRect(context, 6, 4, w - 12, h - 14, (h - 14) / 2); };
    DrawSoftShadow(cr, 0, 0, canvas.Width(), canvas.Height(), tag, 0, 4, 4, kShadow.WithAlpha(0.35));
    tag(cr);
    shapes::FillGradient(cr, 4, h - 10, kHotTop, kHotBottom);
    shapes::Outline(cr, kHotBorder, 3);
    text::Style style{.size = textSize};
    text::Centred(cr, utf8, w / 2, 4 + (h - 14) / 2, style);
}

}  // namespace intro_art
