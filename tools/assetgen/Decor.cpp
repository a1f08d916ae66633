#include "Decor.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "FixedRandom.h"
#include "Shapes.h"
#include "Text.h"

namespace decor {

void FigurePath(cairo_t* cr, Figure figure, double cx, double cy, double size, double turn) {
    const double r = size / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    switch (figure) {
        case Figure::Circle:
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0, 0, r, 0, 2 * std::numbers::pi);
            break;
        case Figure::Ring:
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0, 0, r, 0, 2 * std::numbers::pi);
            cairo_new_sub_path(cr);
            cairo_arc_negative(cr, 0, 0, r * 0.55, 2 * std::numbers::pi, 0);
            break;
        case Figure::Square:
            shapes::RoundedRect(cr, -r * 0.85, -r * 0.85, r * 1.7, r * 1.7, r * 0.3);
            break;
        case Figure::Triangle:
            cairo_new_sub_path(cr);
            for (int i = 0; i < 3; ++i) {
                const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 3;
                cairo_line_to(cr, r * std::cos(a), r * std::sin(a) + r * 0.15);
            }
            cairo_close_path(cr);
            break;
        case Figure::Star:
            shapes::Star(cr, 0, 0, r, r * 0.48, 5);
            break;
        case Figure::Plus: {
            // one outline, so a stroked cross has no seams inside
            const double t = r * 0.36;
            const double pts[][2] = {{-t, -r}, {t, -r}, {t, -t}, {r, -t}, {r, t},   {t, t},
                                     {t, r},   {-t, r}, {-t, t}, {-r, t}, {-r, -t}, {-t, -t}};
            cairo_new_sub_path(cr);
            for (const auto& p : pts) {
                cairo_line_to(cr, p[0], p[1]);
            }
            cairo_close_path(cr);
            break;
        }
        case Figure::Puzzle:
        case Figure::kCount:
            shapes::PuzzlePiece(cr, -r * 0.75, -r * 0.7, r * 1.45);
            break;
    }
    cairo_restore(cr);
}

void InkedFigure(cairo_t* cr, Figure figure, double cx, double cy, double size, double turn,
                 const Colour& fill, double outline) {
    cairo_new_path(cr);
    FigurePath(cr, figure, cx, cy, size, turn);
    fill.Use(cr);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, palette::kInk, outline);
}

void Confetti(cairo_t* cr, const Scatter& s) {
    struct Placed {
        double x, y, size;
    };
    std::vector<Placed> placed;
    FixedRandom rng(s.seed);
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (int i = 0; i < s.count; ++i) {
        const auto figure = static_cast<Figure>(rng.Next() % static_cast<unsigned>(Figure::kCount));
        const double size = rng.Range(s.minSize, s.maxSize);
        const double turn = rng.Range(0, 2 * std::numbers::pi);
        const double alpha = rng.Range(s.minAlpha, s.maxAlpha);
        // Dart throwing: a few tries for a spot clear of the figures so far.
        double cx = 0;
        double cy = 0;
        bool clear = false;
        for (int attempt = 0; attempt < 40 && !clear; ++attempt) {
            cx = rng.Range(s.area.left, s.area.right);
            cy = rng.Range(s.area.top, s.area.bottom);
            clear = true;
            for (const Placed& p : placed) {
                const double gap = (p.size + size) / 2 * s.spacing;
                if ((p.x - cx) * (p.x - cx) + (p.y - cy) * (p.y - cy) < gap * gap) {
                    clear = false;
                    break;
                }
            }
        }
        if (!clear) {
            continue;
        }
        placed.push_back({cx, cy, size});
        const Colour base = (s.colours && s.colourCount > 0) ? s.colours[i % s.colourCount] : palette::kWhite;
        cairo_new_path(cr);
        FigurePath(cr, figure, cx, cy, size, turn);
        base.WithAlpha(alpha).Use(cr);
        if (s.outlined) {
            cairo_set_line_width(cr, std::fmax(2.0, size * 0.08));
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
        } else {
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void QuestionBadge(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_path(cr);
    shapes::Circle(cr, cx, cy, radius);
    shapes::FillGradient(cr, cy - radius, cy + radius, palette::kWhite, palette::kPanelBottom);
    shapes::Outline(cr, palette::kInk, std::fmax(2.5, radius * 0.087));
    text::Style q;
    q.face = text::Face::Title;
    q.size = radius * 1.6;
    q.fill = palette::kBlue;
    q.outline = palette::kInk;
    q.outlineWidth = radius * 0.054;
    text::Centred(cr, "?", cx, cy, q);
}

void Logo(cairo_t* cr, double cx, double cy, double size) {
    using namespace palette;
    const Colour letters[] = {kRed, kOrange, kYellow, kGreen, kTeal, kBlue, kPurple, kPink};
    text::Style style;
    style.face = text::Face::Title;
    style.size = size;
    style.outline = kInk;
    style.outlineWidth = size * 0.075;

    // a soft shadow under the lettering
    text::Style shadow = style;
    shadow.fill = kShadow;
    shadow.outline = kShadow;
    cairo_push_group(cr);
    text::Centred(cr, "Knobelkiste", cx + size * 0.05, cy + size * 0.08, shadow);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.25);
    text::Rainbow(cr, "Knobelkiste", cx, cy, style, letters, 8);
}

}  // namespace decor
