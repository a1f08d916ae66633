// misc3.PNG: the twelve symbol types of the recall and pattern games, each
// as a square tile, unlit and lit. The games draw them from 10 to 97 pixels,
// as round symbols and as grid squares that touch, so the state must show
// in the tile's overall brightness: unlit tiles are dark with a dim emblem,
// lit tiles glow bright with a vivid one.
#include "sheets/Sheets.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Decor.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"

namespace {

using namespace palette;
constexpr double kPi = std::numbers::pi;
constexpr double kC = 25;  // tile centre

enum class Emblem { Star, Heart, Ball, Triangle, Diamond, Square, Moon, Flower, Bolt, Drop, Clover, Note };

struct SymbolType {
    Emblem emblem;
    Colour colour;
};

const SymbolType kTypes[12] = {
    {Emblem::Star, kYellow},
    {Emblem::Heart, kRed},
    {Emblem::Ball, kBlue},
    {Emblem::Triangle, kGreen},
    {Emblem::Diamond, kPurple},
    {Emblem::Square, kOrange},
    {Emblem::Moon, kTeal},
    {Emblem::Flower, kPink},
    {Emblem::Bolt, kYellow.Mix(kOrange, 0.45)},
    {Emblem::Drop, kSky.Mix(kBlue, 0.25)},
    {Emblem::Clover, Colour::Hex(0x7BC043)},
    {Emblem::Note, kPurple.Mix(kPink, 0.45)},
};

void EmblemPath(cairo_t* cr, Emblem emblem) {
    switch (emblem) {
        case Emblem::Star:
            shapes::Star(cr, kC, kC + 1, 16, 7, 5);
            break;
        case Emblem::Heart:
            shapes::Heart(cr, kC, kC + 1, 30);
            break;
        case Emblem::Ball:
            shapes::Circle(cr, kC, kC, 13.5);
            break;
        case Emblem::Triangle:
            decor::FigurePath(cr, decor::Figure::Triangle, kC, kC - 2, 32, 0);
            break;
        case Emblem::Diamond:
            cairo_move_to(cr, kC, kC - 16);
            cairo_line_to(cr, kC + 12, kC);
            cairo_line_to(cr, kC, kC + 16);
            cairo_line_to(cr, kC - 12, kC);
            cairo_close_path(cr);
            break;
        case Emblem::Square:
            shapes::RoundedRect(cr, kC - 12, kC - 12, 24, 24, 4);
            break;
        case Emblem::Moon:
            cairo_new_sub_path(cr);
            cairo_arc(cr, kC, kC, 14, 0.25 * kPi, 1.75 * kPi);
            cairo_arc_negative(cr, kC + 7, kC - 3, 11, 1.62 * kPi, 0.52 * kPi);
            cairo_close_path(cr);
            break;
        case Emblem::Flower:
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * kPi / 5 - kPi / 2;
                shapes::Circle(cr, kC + 8.5 * std::cos(a), kC + 8.5 * std::sin(a), 7);
            }
            shapes::Circle(cr, kC, kC, 7);
            break;
        case Emblem::Bolt: {
            const double pts[][2] = {{3, -16}, {-9, 2}, {-1, 2}, {-4, 16}, {9, -3}, {1, -3}, {5, -16}};
            cairo_new_sub_path(cr);
            for (const auto& p : pts) {
                cairo_line_to(cr, kC + p[0], kC + p[1]);
            }
            cairo_close_path(cr);
            break;
        }
        case Emblem::Drop:
            cairo_move_to(cr, kC, kC - 16);
            cairo_curve_to(cr, kC + 6, kC - 6, kC + 12, kC, kC + 12, kC + 5);
            cairo_arc(cr, kC, kC + 5, 12, 0, kPi);
            cairo_curve_to(cr, kC - 12, kC, kC - 6, kC - 6, kC, kC - 16);
            cairo_close_path(cr);
            break;
        case Emblem::Clover:
            // four heart-shaped leaves, their points meeting in the middle
            for (int i = 0; i < 4; ++i) {
                cairo_save(cr);
                cairo_translate(cr, kC, kC - 2);
                cairo_rotate(cr, i * kPi / 2 + kPi / 4);
                shapes::Heart(cr, 0, -7.5, 15);
                cairo_restore(cr);
            }
            cairo_rectangle(cr, kC - 1.5, kC + 2, 3, 15);
            break;
        case Emblem::Note:
            shapes::Circle(cr, kC - 7, kC + 9, 6);
            shapes::Circle(cr, kC + 9, kC + 6, 6);
            cairo_move_to(cr, kC - 3, kC + 9);
            cairo_line_to(cr, kC - 3, kC - 12);
            cairo_line_to(cr, kC + 13, kC - 16);
            cairo_line_to(cr, kC + 13, kC + 6);
            cairo_line_to(cr, kC + 10, kC + 6);
            cairo_line_to(cr, kC + 10, kC - 11);
            cairo_line_to(cr, kC, kC - 8.5);
            cairo_line_to(cr, kC, kC + 9);
            cairo_close_path(cr);
            break;
    }
}

// The emblem with an outline drawn first, so overlapping parts merge.
void DrawEmblem(cairo_t* cr, Emblem emblem, const Colour& top, const Colour& bottom, const Colour& rim,
                double rimWidth) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    EmblemPath(cr, emblem);
    shapes::Outline(cr, rim, rimWidth);
    EmblemPath(cr, emblem);
    shapes::VerticalGradient(cr, kC - 16, kC + 16, top, bottom);
    cairo_fill(cr);
}

void Tile(cairo_t* cr, const SymbolType& type, bool lit) {
    auto body = [](cairo_t* c) { shapes::RoundedRect(c, 1, 1, 48, 48, 9); };
    body(cr);
    if (lit) {
        shapes::RadialGradient(cr, kC, kC - 4, 34, kWhite, type.colour.Mix(kWhite, 0.3));
        cairo_fill(cr);
        // rays of light behind the emblem
        cairo_save(cr);
        body(cr);
        cairo_clip(cr);
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            cairo_move_to(cr, kC, kC);
            cairo_line_to(cr, kC + 40 * std::cos(a - 0.12), kC + 40 * std::sin(a - 0.12));
            cairo_line_to(cr, kC + 40 * std::cos(a + 0.12), kC + 40 * std::sin(a + 0.12));
            cairo_close_path(cr);
        }
        kWhite.WithAlpha(0.45).Use(cr);
        cairo_fill(cr);
        cairo_restore(cr);
        DrawEmblem(cr, type.emblem, type.colour.Mix(kWhite, 0.3), type.colour, kInk, 4);
        shapes::Circle(cr, kC - 6, kC - 8, 3);
        kWhite.WithAlpha(0.8).Use(cr);
        cairo_fill(cr);
        body(cr);
        shapes::Outline(cr, kInk, 2);
        shapes::RoundedRect(cr, 3.5, 3.5, 43, 43, 7);
        shapes::Outline(cr, kWhite.WithAlpha(0.9), 2);
    } else {
        shapes::VerticalGradient(cr, 1, 49, kInk.Mix(type.colour, 0.18), kShadow);
        cairo_fill(cr);
        const Colour dim = type.colour.Mix(kShadow, 0.42);
        DrawEmblem(cr, type.emblem, dim, dim.Mix(kShadow, 0.3), kShadow, 3);
        body(cr);
        shapes::Outline(cr, kInk, 2);
        shapes::RoundedRect(cr, 3.5, 3.5, 43, 43, 7);
        shapes::Outline(cr, kInkSoft.WithAlpha(0.35), 1.5);
    }
}

}  // namespace

void PaintMisc3(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    for (int t = 0; t < 12; ++t) {
        for (const bool lit : {false, true}) {
            const std::string name = "symbol " + std::to_string(t) + (lit ? " lit" : "");
            RegionScope scope(cr, RegionRect("misc3.PNG", name));
            Tile(cr, kTypes[t], lit);
        }
    }
}
