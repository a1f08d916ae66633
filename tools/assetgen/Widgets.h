#pragma once

#include <cairo.h>

#include "Palette.h"

// The building blocks of the menus, drawn in a region's local space
// (0, 0)-(w, h): panels, buttons and their highlighted copies, small icons.
namespace widgets {

// Face colours of a button.
struct ButtonLook {
    Colour top;
    Colour bottom;
    Colour border;
};

ButtonLook NormalLook();
ButtonLook HotLook();   // the highlighted copy under the mouse
ButtonLook AlertLook();  // a button that deletes something

// Height of the tinted band behind a panel's title.
inline constexpr double kHeaderHeight = 68;

// A light, rounded panel with a soft shadow filling a w x h region. The band
// of height `header` behind the title is tinted (0: none).
void Panel(cairo_t* cr, double w, double h, double header = kHeaderHeight);

// A rounded button filling a w x h region.
void Button(cairo_t* cr, double w, double h, const ButtonLook& look);

// The round selector of the language buttons (size x size).
void RadioDot(cairo_t* cr, double size, bool selected);

// Icons centred on (cx, cy), `size` across, in the ink colour.
void TickIcon(cairo_t* cr, double cx, double cy, double size, const Colour& colour);
void ArrowIcon(cairo_t* cr, double cx, double cy, double size, bool up, const Colour& colour);

// Small flags, w x h at (x, y), with a thin ink frame.
void GermanFlag(cairo_t* cr, double x, double y, double w, double h);
void BritishFlag(cairo_t* cr, double x, double y, double w, double h);

}  // namespace widgets
