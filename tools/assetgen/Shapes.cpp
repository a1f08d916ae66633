#include "Shapes.h"

#include <cmath>
#include <numbers>

namespace shapes {

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::fmin(radius, std::fmin(w, h) / 2);
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
    const double step = std::numbers::pi / points;
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        const double angle = turn - std::numbers::pi / 2 + i * step;
        cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    cairo_close_path(cr);
}

void PuzzlePiece(cairo_t* cr, double x, double y, double size) {
    const double s = size;
    const double k = s * 0.17;  // knob radius
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, y);
    // top edge with a knob pointing up
    cairo_line_to(cr, x + s / 2 - k * 0.8, y);
    cairo_arc(cr, x + s / 2, y - k * 0.6, k, pi * 0.8, pi * 0.2);
    cairo_line_to(cr, x + s, y);
    // right edge with a knob pointing right
    cairo_line_to(cr, x + s, y + s / 2 - k * 0.8);
    cairo_arc(cr, x + s + k * 0.6, y + s / 2, k, pi * 1.3, pi * 0.7);
    cairo_line_to(cr, x + s, y + s);
    // bottom edge with a socket
    cairo_line_to(cr, x + s / 2 + k * 0.8, y + s);
    cairo_arc_negative(cr, x + s / 2, y + s - k * 0.6, k, pi * 0.2, pi * 0.8);
    cairo_line_to(cr, x, y + s);
    // left edge with a socket
    cairo_line_to(cr, x, y + s / 2 + k * 0.8);
    cairo_arc_negative(cr, x + k * 0.6, y + s / 2, k, pi * 0.7, pi * 1.3);
    cairo_close_path(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
}

void Rays(cairo_t* cr, double cx, double cy, int count, double length, double spread, double turn) {
    for (int i = 0; i < count; ++i) {
        const double a = turn + i * 2 * std::numbers::pi / count;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + length * std::cos(a - spread), cy + length * std::sin(a - spread));
        cairo_line_to(cr, cx + length * std::cos(a + spread), cy + length * std::sin(a + spread));
        cairo_close_path(cr);
    }
}

void Heart(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.95);
    cairo_curve_to(cr, cx - s * 0.35, cy + s * 0.55, cx - s * 1.0, cy + s * 0.15, cx - s * 1.0, cy - s * 0.35);
    cairo_curve_to(cr, cx - s * 1.0, cy - s * 0.85, cx - s * 0.35, cy - s * 1.05, cx, cy - s * 0.55);
    cairo_curve_to(cr, cx + s * 0.35, cy - s * 1.05, cx + s * 1.0, cy - s * 0.85, cx + s * 1.0, cy - s * 0.35);
    cairo_curve_to(cr, cx + s * 1.0, cy + s * 0.15, cx + s * 0.35, cy + s * 0.55, cx, cy + s * 0.95);
    cairo_close_path(cr);
}

void PaintInside(cairo_t* cr, const std::function<void(cairo_t*)>& path,
                 const std::function<void(cairo_t*)>& content) {
    cairo_save(cr);
    cairo_push_group(cr);
    content(cr);
    cairo_pop_group_to_source(cr);
    cairo_new_path(cr);
    path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void RadialGradient(cairo_t* cr, double cx, double cy, double radius, const Colour& inner,
                    const Colour& outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void FillGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom) {
    VerticalGradient(cr, y0, y1, top, bottom);
    cairo_fill_preserve(cr);
}

void Outline(cairo_t* cr, const Colour& colour, double width) {
    colour.Use(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Sheen(cairo_t* cr, double y0, double y1, double strength) {
    VerticalGradient(cr, y0, y1, palette::kWhite.WithAlpha(strength), palette::kWhite.WithAlpha(0));
    cairo_fill_preserve(cr);
}

}  // namespace shapes
