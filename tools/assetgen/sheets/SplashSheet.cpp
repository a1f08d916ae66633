// splash.PNG: the loading screen: the background with the toy box, the title
// banners of both languages and the loading bar, empty and filled.
#include "sheets/Sheets.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Decor.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"
#include "Text.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "splash.PNG";
constexpr double kPi = std::numbers::pi;

// Where the box stands on the loading screen.
constexpr double kBoxX = 362;
constexpr double kBoxY = 470;
constexpr double kBoxW = 300;
constexpr double kBoxH = 160;

void Sky(cairo_t* cr, double w, double h) {
    shapes::RadialGradient(cr, kBoxX + kBoxW / 2, kBoxY, w * 0.75, Colour::Hex(0xEAF3FF),
                           Colour::Hex(0x6E9FE6));
    cairo_paint(cr);
    // sun rays behind the box
    const double cx = kBoxX + kBoxW / 2;
    const double cy = kBoxY + 10;
    for (int i = 0; i < 18; ++i) {
        const double a = i * 2 * kPi / 18;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 1400 * std::cos(a - 0.07), cy + 1400 * std::sin(a - 0.07));
        cairo_line_to(cr, cx + 1400 * std::cos(a + 0.07), cy + 1400 * std::sin(a + 0.07));
        cairo_close_path(cr);
    }
    shapes::RadialGradient(cr, cx, cy, w * 0.8, kWhite.WithAlpha(0.22), kWhite.WithAlpha(0.02));
    cairo_fill(cr);

    decor::Confetti(cr, {.area = {0, 0, static_cast<int>(w), static_cast<int>(h)},
                         .count = 46,
                         .minSize = 18,
                         .maxSize = 54,
                         .minAlpha = 0.12,
                         .maxAlpha = 0.26,
                         .spacing = 1.3,
                         .seed = 99});
}

// A toy tile flying out of the box: rounded square, a glyph or a figure on it.
struct Tile {
    double x, y, size, turn;
    Colour colour;
    const char* glyph;  // null: the figure below
    decor::Figure figure;
};

void DrawTile(cairo_t* cr, const Tile& t) {
    cairo_save(cr);
    cairo_translate(cr, t.x, t.y);
    cairo_rotate(cr, t.turn);
    const double s = t.size;
    auto body = [s](cairo_t* c) { shapes::RoundedRect(c, -s / 2, -s / 2, s, s, s * 0.22); };
    // the shadow falls down-right on screen whatever the tile's turn
    const double dx = 3 * std::cos(t.turn) + 6 * std::sin(t.turn);
    const double dy = -3 * std::sin(t.turn) + 6 * std::cos(t.turn);
    const int area = static_cast<int>(s) + 40;
    DrawSoftShadow(cr, -area / 2.0, -area / 2.0, area, area, body, dx, dy, 8, kShadow.WithAlpha(0.35));
    body(cr);
    shapes::FillGradient(cr, -s / 2, s / 2, t.colour.Mix(kWhite, 0.35), t.colour);
    cairo_new_path(cr);
    shapes::RoundedRect(cr, -s / 2 + 4, -s / 2 + 3, s - 8, s * 0.42, s * 0.18);
    shapes::Sheen(cr, -s / 2 + 3, 0, 0.6);
    cairo_new_path(cr);
    body(cr);
    shapes::Outline(cr, kInk, 3.5);
    if (t.glyph != nullptr) {
        text::Style style;
        style.face = text::Face::Title;
        style.size = s * 0.68;
        style.fill = kWhite;
        style.outline = kInk;
        style.outlineWidth = 3;
        text::Centred(cr, t.glyph, 0, 0, style);
    } else {
        decor::InkedFigure(cr, t.figure, 0, 1, s * 0.58, 0, kWhite, 3);
    }
    cairo_restore(cr);
}

void Box(cairo_t* cr) {
    const double x = kBoxX;
    const double y = kBoxY;
    const double w = kBoxW;
    const double h = kBoxH;
    const Colour wood = Colour::Hex(0xF39A3D);
    const Colour woodLight = Colour::Hex(0xFFC274);
    const Colour inside = Colour::Hex(0x8A4A1C);

    // ground shadow
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h + 8);
    cairo_scale(cr, w * 0.72, 16);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    shapes::RadialGradient(cr, x + w / 2, y + h + 8, w * 0.7, kShadow.WithAlpha(0.35), kShadow.WithAlpha(0));
    cairo_fill(cr);

    // the back flap stands up behind the opening
    const double depth = 40;
    cairo_move_to(cr, x + 36, y - depth);
    cairo_line_to(cr, x + 56, y - depth - 62);
    cairo_line_to(cr, x + w - 56, y - depth - 62);
    cairo_line_to(cr, x + w - 36, y - depth);
    cairo_close_path(cr);
    shapes::FillGradient(cr, y - depth - 62, y - depth, wood, woodLight.Mix(wood, 0.5));
    shapes::Outline(cr, kInk, 4);

    // the opening
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 36, y - depth);
    cairo_line_to(cr, x + w - 36, y - depth);
    cairo_line_to(cr, x + w, y);
    cairo_close_path(cr);
    shapes::FillGradient(cr, y - depth, y, inside.Mix(kInk, 0.4), inside);
    shapes::Outline(cr, kInk, 4);

    // the side flaps fold outwards
    for (const double sign : {-1.0, 1.0}) {
        const double bx = sign < 0 ? x : x + w;
        const double tx = bx - sign * 36;
        cairo_move_to(cr, bx, y);
        cairo_line_to(cr, tx, y - depth);
        cairo_line_to(cr, tx + sign * 78, y - depth - 22);
        cairo_line_to(cr, bx + sign * 84, y - 12);
        cairo_close_path(cr);
        shapes::FillGradient(cr, y - depth - 22, y, woodLight, wood);
        shapes::Outline(cr, kInk, 4);
    }
}

void BoxFront(cairo_t* cr) {
    const double x = kBoxX;
    const double y = kBoxY;
    const double w = kBoxW;
    const double h = kBoxH;
    shapes::RoundedRect(cr, x, y, w, h, 12);
    shapes::FillGradient(cr, y, y + h, Colour::Hex(0xFFB65C), Colour::Hex(0xE9822B));
    cairo_new_path(cr);
    // planks
    Colour::Hex(0xC96A1E).WithAlpha(0.55).Use(cr);
    cairo_set_line_width(cr, 3);
    for (int i = 1; i < 3; ++i) {
        cairo_move_to(cr, x + 8, y + i * h / 3);
        cairo_line_to(cr, x + w - 8, y + i * h / 3);
    }
    cairo_stroke(cr);
    shapes::RoundedRect(cr, x, y, w, h, 12);
    shapes::Outline(cr, kInk, 4);
    decor::QuestionBadge(cr, x + w / 2, y + h / 2 + 2, 46);
}

void Background(cairo_t* cr) {
    const Rect r = RegionRect(kSheet, "background");
    RegionScope scope(cr, r);
    Sky(cr, r.Width(), r.Height());
    Box(cr);
    const Tile tiles[] = {
        {296, 418, 74, -0.35, kBlue, "7", decor::Figure::Circle},
        {392, 345, 70, -0.18, kGreen, "A", decor::Figure::Circle},
        {512, 322, 78, 0.05, kRed, nullptr, decor::Figure::Star},
        {634, 348, 70, 0.2, kPurple, nullptr, decor::Figure::Puzzle},
        {728, 418, 74, 0.38, kTeal, nullptr, decor::Figure::Plus},
        {842, 300, 58, 0.25, kOrange, "?", decor::Figure::Circle},
        {180, 500, 56, -0.3, kPink, nullptr, decor::Figure::Triangle},
        {850, 520, 56, 0.3, kYellow.Mix(kOrange, 0.3), nullptr, decor::Figure::Circle},
        {890, 130, 64, 0.15, kPink, "B", decor::Figure::Circle},
        {780, 200, 50, -0.2, kGreen, nullptr, decor::Figure::Plus},
    };
    for (const Tile& t : tiles) {
        DrawTile(cr, t);
    }
    BoxFront(cr);
}

// The title ribbon: it comes in from the left screen edge and ends in a
// rounded cap; the game's name and a language-specific subtitle sit on it.
void Banner(cairo_t* cr, const char* name, const char* subtitle) {
    const Rect r = RegionRect(kSheet, name);
    RegionScope scope(cr, r);
    const double top = 8;
    const double h = 92;
    const double end = 676;
    auto ribbon = [&](cairo_t* c) {
        cairo_move_to(c, -10, top);
        cairo_line_to(c, end - h / 2, top);
        cairo_arc(c, end - h / 2, top + h / 2, h / 2, -kPi / 2, kPi / 2);
        cairo_line_to(c, -10, top + h);
        cairo_close_path(c);
    };
    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), ribbon, 0, 5, 6, kShadow.WithAlpha(0.4));
    ribbon(cr);
    shapes::FillGradient(cr, top, top + h, kPanelTop, kPanelBottom);
    cairo_new_path(cr);
    cairo_save(cr);
    ribbon(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, top, end, h * 0.45);
    shapes::Sheen(cr, top, top + h * 0.45, 0.7);
    cairo_restore(cr);
    cairo_new_path(cr);
    ribbon(cr);
    shapes::Outline(cr, kPanelBorder, 5);

    decor::Logo(cr, 258, top + h / 2 - 2, 70);

    // subtitle on a small tag at the ribbon's end
    const double tagW = text::Width(cr, subtitle, text::Face::Label, 22) + 32;
    const double tagX = end - 22 - tagW;
    shapes::RoundedRect(cr, tagX, top + h / 2 - 19, tagW, 38, 19);
    shapes::FillGradient(cr, top + h / 2 - 19, top + h / 2 + 19, kHotTop, kHotBottom);
    shapes::Outline(cr, kHotBorder, 2.5);
    text::Style style;
    style.size = 22;
    text::Centred(cr, subtitle, tagX + tagW / 2, top + h / 2, style);
}

// Both bars share one outline so that the filled one, drawn over the empty one
// and cropped from the left, registers exactly.
void LoadingBar(cairo_t* cr, const char* name, bool filled) {
    const Rect r = RegionRect(kSheet, name);
    RegionScope scope(cr, r);
    const double x = 4;
    const double y = 4;
    const double w = r.Width() - 8;
    const double h = r.Height() - 10;
    auto track = [&](cairo_t* c) { shapes::RoundedRect(c, x, y, w, h, h / 2); };

    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), track, 0, 3, 4, kShadow.WithAlpha(0.35));
    track(cr);
    if (filled) {
        cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.36, 0.80, 0.52);
        cairo_pattern_add_color_stop_rgb(p, 0.5, 0.99, 0.80, 0.25);
        cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.58, 0.20);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        // candy stripes
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_new_path(cr);
        for (double sx = x - h; sx < x + w; sx += 34) {
            cairo_move_to(cr, sx, y + h);
            cairo_line_to(cr, sx + h, y);
            cairo_line_to(cr, sx + h + 15, y);
            cairo_line_to(cr, sx + 15, y + h);
            cairo_close_path(cr);
        }
        kWhite.WithAlpha(0.22).Use(cr);
        cairo_fill(cr);
        cairo_restore(cr);
    } else {
        shapes::FillGradient(cr, y, y + h, Colour::Hex(0xC9D8EE), Colour::Hex(0xF4F8FF));
    }
    cairo_new_path(cr);
    shapes::RoundedRect(cr, x + 5, y + 4, w - 10, h * 0.42, h * 0.2);
    shapes::Sheen(cr, y + 4, y + 4 + h * 0.42, filled ? 0.55 : 0.35);
    cairo_new_path(cr);
    track(cr);
    shapes::Outline(cr, kInk, 4);
}

}  // namespace

void PaintSplash(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    Background(cr);
    Banner(cr, "banner de", "Gehirnjogging");
    Banner(cr, "banner en", "Brain training");
    LoadingBar(cr, "bar empty", false);
    LoadingBar(cr, "bar full", true);
}
