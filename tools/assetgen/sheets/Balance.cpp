// misc1.PNG: the beam balance. The game puts the stand's top centre under the
// beam's pivot, turns the beam about that pivot, stands each pan on a beam
// end and the weights on the pans and on each other:
//   stand  top centre (55, 0) = pivot
//   beam   pivot at (175, 14); the pans' bearings sit on the bar's ends
//          (10, 14) and (340, 14), level with the pivot
//   pan    its post ends in a bearing at (125, 30.5) on the beam end; weights
//          stand on row 1, the plate's top
//   weight a stacking weight drawn at about half size, foot at (66, 98), the
//          next weight standing on its top face at row 26; the game writes its
//          mass in white on its front in the box (10, 34)-(122, 90), so the
//          front is dark there
#include "sheets/RegionGroups.h"

#include <numbers>

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
    cairo_rectangle(cr, 48, -2, 14, 126);
    FillCylinder(cr, 48, 62);
    // a collar half-way down
    shapes::RoundedRect(cr, 42, 62, 26, 10, 3);
    FillCylinder(cr, 42, 68);
    // the foot: a stepped base with rounded corners
    cairo_move_to(cr, 36, 120);
    cairo_line_to(cr, 74, 120);
    cairo_line_to(cr, 90, 134);
    cairo_line_to(cr, 20, 134);
    cairo_close_path(cr);
    FillCylinder(cr, 20, 90);
    shapes::RoundedRect(cr, 5, 132, 100, 14, 5);
    FillCylinder(cr, 5, 105);
}

void Beam(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "beam"));
    const double pivot = 175;
    const double axis = 14;
    // the bar tapers from the middle towards both ends, its axis through the pivot
    auto bar = [&](cairo_t* c) {
        cairo_move_to(c, 10, axis - 5);
        cairo_line_to(c, pivot, axis - 7);
        cairo_line_to(c, 340, axis - 5);
        cairo_arc(c, 340, axis, 5, -1.5708, 1.5708);
        cairo_line_to(c, pivot, axis + 7);
        cairo_line_to(c, 10, axis + 5);
        cairo_arc(c, 10, axis, 5, 1.5708, 4.7124);
        cairo_close_path(c);
    };
    bar(cr);
    shapes::FillGradient(cr, axis - 7, axis + 7, kBrassLight, kBrass);
    shapes::Outline(cr, kInk, 2);
    // scale marks along the bar
    kBrassDark.Use(cr);
    cairo_set_line_width(cr, 1.2);
    for (int i = -8; i <= 8; ++i) {
        if (i == 0) {
            continue;
        }
        const double x = pivot + i * 18.0;
        cairo_move_to(cr, x, axis - 3);
        cairo_line_to(cr, x, i % 2 == 0 ? axis + 3 : axis + 1);
    }
    cairo_stroke(cr);
    // the hub with its pin on the pivot
    shapes::Circle(cr, pivot, axis, 13);
    shapes::RadialGradient(cr, pivot - 4, axis - 4, 17, kBrassLight, kBrassDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2);
    shapes::Circle(cr, pivot, axis, 4.5);
    kInk.Use(cr);
    cairo_fill(cr);
}

void Pan(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "pan"));
    const double ax = 125;
    const double ay = 30.5;
    // post and neck
    cairo_rectangle(cr, ax - 5, 8, 10, ay - 8);
    FillCylinder(cr, ax - 5, ax + 5);
    cairo_move_to(cr, ax - 18, 8);
    cairo_line_to(cr, ax + 18, 8);
    cairo_line_to(cr, ax + 6, 16);
    cairo_line_to(cr, ax - 6, 16);
    cairo_close_path(cr);
    FillCylinder(cr, ax - 18, ax + 18);
    // the plate: its top edge is where the weights stand
    shapes::RoundedRect(cr, 3, 1, 244, 9, 4.5);
    shapes::FillGradient(cr, 1, 10, kBrassLight, kBrassDark);
    shapes::Outline(cr, kInk, 2);
    cairo_move_to(cr, 9, 3.5);
    cairo_line_to(cr, 241, 3.5);
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

// A stacking weight: a short iron cylinder seen a little from above, with a
// knob on its top face.
void Weight(cairo_t* cr) {
    RegionScope scope(cr, RegionRect(kSheet, "weight"));
    const double top = 26;
    const double bottom = 97;
    auto front = [&](cairo_t* c) {
        cairo_move_to(c, 2, top);
        cairo_line_to(c, 2, bottom - 7);
        cairo_curve_to(c, 2, bottom - 3, 5, bottom, 10, bottom);
        cairo_line_to(c, 122, bottom);
        cairo_curve_to(c, 127, bottom, 130, bottom - 3, 130, bottom - 7);
        cairo_line_to(c, 130, top);
        cairo_close_path(c);
    };
    auto topFace = [&](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 66, top);
        cairo_scale(c, 64, 9);
        cairo_arc(c, 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_restore(c);
    };
    front(cr);
    Cylinder(cr, 2, 130, kIronLight, kIron, kIronDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2.5);
    // a groove along the foot, below the label
    cairo_move_to(cr, 4, bottom - 5);
    cairo_line_to(cr, 128, bottom - 5);
    shapes::Outline(cr, kIronDark.Mix(kInk, 0.5), 1.5);
    // the top face catches the light
    topFace(cr);
    shapes::FillGradient(cr, top - 9, top + 9, kIronLight.Mix(kWhite, 0.35), kIronLight);
    shapes::Outline(cr, kInk, 2.5);
    // the knob: a neck and a flattened ball
    cairo_rectangle(cr, 59, 11, 14, top - 11);
    Cylinder(cr, 59, 73, kIronLight, kIron, kIronDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2);
    cairo_save(cr);
    cairo_translate(cr, 66, 10);
    cairo_scale(cr, 13, 8);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
    shapes::RadialGradient(cr, 62, 7, 14, kIronLight.Mix(kWhite, 0.4), kIronDark);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 2);
    // a thin highlight down the left of the front, clear of the label
    cairo_move_to(cr, 7, top + 12);
    cairo_line_to(cr, 7, bottom - 10);
    shapes::Outline(cr, kWhite.WithAlpha(0.3), 2);
}

}  // namespace

void PaintBalance(cairo_t* cr) {
    Stand(cr);
    Beam(cr);
    Pan(cr);
    Weight(cr);
}
