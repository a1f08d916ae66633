#include "Motifs.h"

#include <numbers>

#include "MotifParts.h"
#include "Shapes.h"

namespace motifs {

namespace parts {

void Ink(cairo_t* cr, const Colour& fill) {
    fill.Use(cr);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, palette::kInk, kLine);
}

void InkGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom) {
    shapes::FillGradient(cr, y0, y1, top, bottom);
    shapes::Outline(cr, palette::kInk, kLine);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double turn) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double turn) {
    Ellipse(cr, cx, cy, rx, ry, turn);
    palette::kWhite.WithAlpha(0.6).Use(cr);
    cairo_fill(cr);
}

void Stem(cairo_t* cr, const Colour& colour, double width) {
    cairo_path_t* path = cairo_copy_path(cr);
    shapes::Outline(cr, palette::kInk, width + 2 * kLine);
    cairo_append_path(cr, path);
    shapes::Outline(cr, colour, width);
    cairo_path_destroy(path);
}

void Dot(cairo_t* cr, double cx, double cy, double r) {
    shapes::Circle(cr, cx, cy, r);
    palette::kInk.Use(cr);
    cairo_fill(cr);
}

}  // namespace parts

void Draw(cairo_t* cr, Motif motif, double cx, double cy, double size) {
    using namespace parts;
    static void (*const painters[])(cairo_t*) = {
        Apple,   Sun,  Fish,   Star,     Heart,    Flower,    Car,       House,
        Balloon, Tree, Cat,    Rocket,   Umbrella, IceCream,  Butterfly, Mushroom,
    };
    static_assert(std::size(painters) == static_cast<std::size_t>(Motif::kCount));
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 100, size / 100);
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    painters[static_cast<int>(motif)](cr);
    cairo_restore(cr);
}

}  // namespace motifs
