// misc1.PNG: the beam balance. The game puts the stand's top centre under the
// beam's pivot, turns the beam about that pivot, stands each pan on a beam
// end and the weights on the pans:
//   stand  top centre (42, 0) = pivot
//   beam   pivot at (100, 22.5); the pans sit on its top corners (0, 0) and (200, 0)
//   pan    its post ends in a bearing on the beam end at (48, 30.5); weights stand on row 0
//   weight drawn at half size, foot at (33, 100); the game writes its mass in
//          white on rows 60 to 94, so the body there is dark
#include "sheets/RegionGroups.h"

#include <utility>

#include "Canvas.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "misc1.PNG";

const Colour kBrassLight = Colour::Hex(0xFFE29A);
const Colour kBrass = Colour::Hex(0xF2B33D);
const Colour kBrassDark = Colour::Hex(0xB8721C);
const Colour kIronLight = Colour::Hex(0x566079);
const Colour kIron = Colour::Hex(0x303A4E);
const Colour kIronDark = Colour::Hex(0x1C2231);

// A round bar lit from the left: dark edge, light stripe, dark edge.
void Cylinder(cairo_t* cr, double x0, double x1, const Colour& light, const Colour& mid, const Colour& dark) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(p, 0.3, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void FillCylinder(cairo_t* cr, double x0, double x1) {
    Cylinder(cr, x0, x1, kBrassLight, kBrass, kBrassDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2);
}

void Stand(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "stand"));
    // the post, from the pivot down into the foot
    cairo_rectangle(cr, 35, -2, 14, 86);
    FillCylinder(cr, 35, 49);
    // a collar half-way down
    shapes::RoundedRect(cr, 30, 44, 24, 9, 3);
    FillCylinder(cr, 30, 54);
    // the foot: a stepped base with rounded corners
    cairo_move_to(cr, 22, 80);
    cairo_line_to(cr, 62, 80);
    cairo_line_to(cr, 74, 91);
    cairo_line_to(cr, 10, 91);
    cairo_close_path(cr);
    FillCylinder(cr, 10, 74);
    shapes::RoundedRect(cr, 3, 89, 78, 9, 4);
    FillCylinder(cr, 3, 81);
}

void Beam(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "beam"));
    // the bar tapers from the middle towards both ends
    auto bar = [](cairo_t* c) {
        cairo_move_to(c, 8, 2.5);
        cairo_line_to(c, 100, 1.5);
        cairo_line_to(c, 192, 2.5);
        cairo_arc(c, 192, 6.5, 4, -1.5708, 1.5708);
        cairo_line_to(c, 100, 13);
        cairo_line_to(c, 8, 10.5);
        cairo_arc(c, 8, 6.5, 4, 1.5708, 4.7124);
        cairo_close_path(c);
    };
    // a web joins the bar to the pivot hub
    cairo_move_to(cr, 78, 9);
    cairo_line_to(cr, 122, 9);
    cairo_line_to(cr, 108, 26);
    cairo_line_to(cr, 92, 26);
    cairo_close_path(cr);
    shapes::FillGradient(cr, 9, 26, kBrass, kBrassDark);
    shapes::Outline(cr, kInk, 2);
    bar(cr);
    shapes::FillGradient(cr, 1.5, 13, kBrassLight, kBrass);
    shapes::Outline(cr, kInk, 2);
    // scale marks along the bar
    kBrassDark.Use(cr);
    cairo_set_line_width(cr, 1.2);
    for (int i = 1; i < 10; ++i) {
        if (i == 5) {
            continue;
        }
        const double x = 100 + (i - 5) * 18.0;
        cairo_move_to(cr, x, 5);
        cairo_line_to(cr, x, i % 2 == 0 ? 10 : 8);
    }
    cairo_stroke(cr);
    // the hub with its pin on the pivot
    shapes::Circle(cr, 100, 22.5, 12);
    shapes::RadialGradient(cr, 96, 18, 16, kBrassLight, kBrassDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2);
    shapes::Circle(cr, 100, 22.5, 4);
    kInk.Use(cr);
    cairo_fill(cr);
}

void Pan(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "pan"));
    const double ax = 48;
    const double ay = 30.5;
    // post and neck
    cairo_rectangle(cr, ax - 5, 8, 10, ay - 8);
    FillCylinder(cr, ax - 5, ax + 5);
    cairo_move_to(cr, ax - 16, 8);
    cairo_line_to(cr, ax + 16, 8);
    cairo_line_to(cr, ax + 6, 15);
    cairo_line_to(cr, ax - 6, 15);
    cairo_close_path(cr);
    FillCylinder(cr, ax - 16, ax + 16);
    // the plate: its top edge is where the weights stand
    shapes::RoundedRect(cr, 3, 1, 90, 9, 4.5);
    shapes::FillGradient(cr, 1, 10, kBrassLight, kBrassDark);
    shapes::Outline(cr, kInk, 2);
    cairo_move_to(cr, 8, 3.5);
    cairo_line_to(cr, 88, 3.5);
    shapes::Outline(cr, kWhite.WithAlpha(0.7), 1.2);
    // the bearing that rests on the beam end
    shapes::Circle(cr, ax, ay, 9);
    shapes::RadialGradient(cr, ax - 3, ay - 3, 12, kBrassLight, kBrassDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2);
    shapes::Circle(cr, ax, ay, 3);
    kInk.Use(cr);
    cairo_fill(cr);
}

void Weight(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "weight"));
    // Drawn at half size: the body reaches four rows past the foot point so
    // that on screen it touches the pan plate two pixels below the foot.
    const double bottom = 104;
    auto body = [bottom](cairo_t* c) {
        cairo_move_to(c, 12, 40);
        cairo_line_to(c, 54, 40);
        cairo_curve_to(c, 58, 40, 60, 44, 60, 48);
        cairo_line_to(c, 64, bottom - 6);
        cairo_curve_to(c, 64.5, bottom - 2, 62, bottom, 58, bottom);
        cairo_line_to(c, 8, bottom);
        cairo_curve_to(c, 4, bottom, 1.5, bottom - 2, 2, bottom - 6);
        cairo_line_to(c, 6, 48);
        cairo_curve_to(c, 6, 44, 8, 40, 12, 40);
        cairo_close_path(c);
    };
    // the handle ring: an ink band with a lighter core
    for (const auto& [colour, width] : {std::pair{kInk, 9.0}, std::pair{kIronLight, 4.5}}) {
        cairo_save(cr);
        cairo_translate(cr, 33, 24);
        cairo_scale(cr, 1, 0.85);
        shapes::Circle(cr, 0, 0, 15);
        cairo_restore(cr);
        shapes::Outline(cr, colour, width);
    }
    // neck and body
    cairo_rectangle(cr, 25, 34, 16, 8);
    Cylinder(cr, 25, 41, kIronLight, kIron, kIronDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2);
    body(cr);
    Cylinder(cr, 2, 64, kIronLight, kIron, kIronDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2.5);
    // the top face catches the light
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 40, 66, 9);
    shapes::VerticalGradient(cr, 40, 49, kIronLight.Mix(kWhite, 0.35), kIronLight.WithAlpha(0));
    cairo_fill(cr);
    cairo_move_to(cr, 13, 52);
    cairo_line_to(cr, 10.5, bottom - 8);
    shapes::Outline(cr, kWhite.WithAlpha(0.35), 3);
    cairo_restore(cr);
}

}  // namespace

void PaintBalance(cairo_t* cr) {
    Stand(cr);
    Beam(cr);
    Pan(cr);
    Weight(cr);
}
