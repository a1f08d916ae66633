#pragma once

#include <cairo.h>

#include "Palette.h"

// Small pictures several game sheets share, drawn in the current user space.
namespace icons {

// The green tick of a right answer, about `size` across, centred on (cx, cy).
void Tick(cairo_t* cr, double cx, double cy, double size);
// The red cross beside a wrong answer, drawn like the tick.
void Cross(cairo_t* cr, double cx, double cy, double size);

// The round plate of the operator place, filling a size x size region: a
// light face for a black sign, or the lit (green) face of the blinking hint.
void OperatorPlate(cairo_t* cr, double size, bool lit);

// Operator sign 0 "+", 1 "-", 2 "x", 3 ":" as solid bars and dots, about
// `size` across, centred on (cx, cy); with an ink rim of `rim` pixels when > 0.
void OperatorSign(cairo_t* cr, int op, double cx, double cy, double size, const Colour& colour,
                  double rim = 0);

// The marks of the hidden-atoms game, about `size` across, centred on (cx, cy).
void ReflectedMark(cairo_t* cr, double cx, double cy, double size);  // a U-turn arrow
void AbsorbedMark(cairo_t* cr, double cx, double cy, double size);   // a dark hole with a ring
void DoubtMark(cairo_t* cr, double cx, double cy, double size);      // a question badge

// An atom as the help picture shows it: a glossy red ball.
void Atom(cairo_t* cr, double cx, double cy, double radius);

}  // namespace icons
