#pragma once

#include <cairo.h>

#include "Palette.h"

// The painters behind motifs::Draw. Each draws its motif in a 100 x 100 box
// centred on the origin; Draw moves and scales it into place.
namespace motifs::parts {

inline constexpr double kLine = 3.5;  // ink outline width in box units

// Fills the current path with `fill` and outlines it in ink; clears the path.
void Ink(cairo_t* cr, const Colour& fill);
// The same with a vertical gradient from `top` at y0 to `bottom` at y1.
void InkGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom);
// Adds an ellipse turned by `turn` radians to the path.
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double turn = 0);
// A soft white highlight ellipse.
void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double turn = 0);
// Strokes the current path in ink with a `width` coloured core (stems,
// strings, handles); clears the path.
void Stem(cairo_t* cr, const Colour& colour, double width);
// An ink dot (eyes, pupils).
void Dot(cairo_t* cr, double cx, double cy, double r);

void Apple(cairo_t* cr);
void Sun(cairo_t* cr);
void Fish(cairo_t* cr);
void Flower(cairo_t* cr);
void Tree(cairo_t* cr);
void Cat(cairo_t* cr);
void Butterfly(cairo_t* cr);
void Mushroom(cairo_t* cr);

void Star(cairo_t* cr);
void Heart(cairo_t* cr);
void Car(cairo_t* cr);
void House(cairo_t* cr);
void Balloon(cairo_t* cr);
void Rocket(cairo_t* cr);
void Umbrella(cairo_t* cr);
void IceCream(cairo_t* cr);

}  // namespace motifs::parts
