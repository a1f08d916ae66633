// misc1.PNG: the four shapes of the picture building game. The game scales
// and turns them about the cell centre and tints them (grey silhouettes, the
// red selected piece, white pieces), so they are grey, lit evenly from the
// centre, and exactly as symmetric as its fit rule assumes: the square under
// quarter turns, the circle under any turn, the equilateral triangle (its
// centroid on the cell centre) under thirds and the rectangle under half turns.
#include "sheets/RegionGroups.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Canvas.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"

namespace {

constexpr const char* kSheet = "misc1.PNG";
constexpr double kC = 50;       // cell centre
constexpr double kReach = 47;   // half side, radius or circumradius of the outline path
constexpr double kRim = 3;      // outline width

// Adds shape `type` to the path, offset inwards by `inset`.
void ShapePath(cairo_t* cr, int type, double inset) {
    const double r = kReach - inset;
    switch (type) {
        case 0:
            cairo_rectangle(cr, kC - r, kC - r, 2 * r, 2 * r);
            break;
        case 1:
            shapes::Circle(cr, kC, kC, r);
            break;
        case 2: {
            // an inset triangle keeps its centroid: its circumradius shrinks by twice the inset
            const double cr2 = kReach - 2 * inset;
            cairo_new_sub_path(cr);
            for (int i = 0; i < 3; ++i) {
                const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 3;
                cairo_line_to(cr, kC + cr2 * std::cos(a), kC + cr2 * std::sin(a));
            }
            cairo_close_path(cr);
            break;
        }
        default: {
            const double halfHeight = kReach / 2 - inset;  // twice as wide as high
            cairo_rectangle(cr, kC - r, kC - halfHeight, 2 * r, 2 * halfHeight);
            break;
        }
    }
}

void Shape(cairo_t* cr, int type) {
    RegionScope scope(cr, RegionRect(kSheet, "shape " + std::to_string(type)));
    const Colour light = Colour::Hex(0xFFFFFF);
    const Colour edge = Colour::Hex(0xD6D6D6);
    ShapePath(cr, type, 0);
    shapes::RadialGradient(cr, kC, kC, kReach * 1.05, light, edge);
    cairo_fill(cr);
    // a bright inner line, like the bevel of a cut-out piece
    ShapePath(cr, type, 6);
    shapes::Outline(cr, light.WithAlpha(0.9), 2);
    ShapePath(cr, type, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Colour::Hex(0x3A3A3A).Use(cr);
    cairo_set_line_width(cr, kRim);
    cairo_stroke(cr);
}

}  // namespace

void PaintBuildingShapes(cairo_t* cr) {
    for (int type = 0; type < 4; ++type) {
        Shape(cr, type);
    }
}
