// misc1.PNG: the cards of the reaction games. The game writes a large green
// or red digit on them, which reads best on a dark screen inside a light
// frame. It draws the right card mirrored, so that region holds the mirror
// image of the left card and both look the same on screen.
#include "sheets/RegionGroups.h"

#include "Canvas.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "misc1.PNG";
constexpr int kW = 120;
constexpr int kH = 170;

void Card(cairo_t* cr) {
    auto body = [](cairo_t* c) { shapes::RoundedRect(c, 4, 3, kW - 8, kH - 9, 14); };
    DrawSoftShadow(cr, 0, 0, kW, kH, body, 0, 3, 4, kShadow.WithAlpha(0.4));
    body(cr);
    shapes::FillGradient(cr, 3, kH - 6, kPanelTop, kPanelBottom);
    shapes::Outline(cr, kInk, 3);

    // the screen
    auto screen = [](cairo_t* c) { shapes::RoundedRect(c, 13, 13, kW - 26, kH - 42, 9); };
    screen(cr);
    shapes::FillGradient(cr, 13, kH - 29, Colour::Hex(0x1E2540), Colour::Hex(0x0C101C));
    cairo_new_path(cr);
    cairo_save(cr);
    screen(cr);
    cairo_clip(cr);
    kWhite.WithAlpha(0.05).Use(cr);  // faint raster
    for (int y = 17; y < kH - 29; y += 6) {
        cairo_rectangle(cr, 13, y, kW - 26, 1.5);
    }
    cairo_fill(cr);
    cairo_move_to(cr, 13, 13);  // a glassy reflection in the top-left corner
    cairo_line_to(cr, 70, 13);
    cairo_line_to(cr, 13, 70);
    cairo_close_path(cr);
    kWhite.WithAlpha(0.08).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    screen(cr);
    shapes::Outline(cr, kInk, 2.5);

    // three indicator lights under the screen
    const Colour lights[] = {kGreen, kYellow, kRed};
    for (int i = 0; i < 3; ++i) {
        shapes::Circle(cr, kW / 2.0 + (i - 1) * 16, kH - 19, 4);
        lights[i].Use(cr);
        cairo_fill_preserve(cr);
        shapes::Outline(cr, kInk, 1.5);
    }
}

}  // namespace

void PaintReactionCards(cairo_t* cr) {
    cairo_surface_t* card = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH);
    cairo_t* cc = cairo_create(card);
    Card(cc);
    cairo_destroy(cc);

    {
        const Rect left = RegionRect(kSheet, "card left");
        RegionScope scope(cr, left);
        cairo_set_source_surface(cr, card, 0, 0);
        cairo_paint(cr);
    }
    {
        const Rect right = RegionRect(kSheet, "card right");
        RegionScope scope(cr, right);
        cairo_translate(cr, kW, 0);
        cairo_scale(cr, -1, 1);
        cairo_set_source_surface(cr, card, 0, 0);
        cairo_paint(cr);
    }
    cairo_surface_destroy(card);
}
