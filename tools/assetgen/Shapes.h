#pragma once

#include <cairo.h>

#include <functional>

#include "Palette.h"

// Path and fill helpers shared by every sheet. Coordinates are in the
// current user space (usually a region's local space, see RegionScope).
namespace shapes {

// Adds a rectangle with rounded corners to the current path.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Adds a regular star (points >= 3) centred on (cx, cy).
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn = 0);

// Adds a jigsaw piece: a square of side `size` with a knob on the right and on
// the top side and sockets on the other two.
void PuzzlePiece(cairo_t* cr, double x, double y, double size);

// Adds a full circle as its own sub-path.
void Circle(cairo_t* cr, double cx, double cy, double radius);

// Adds `count` thin wedges (rays) from (cx, cy), `length` long, each `spread`
// radians to either side of its direction; the first points at angle `turn`.
void Rays(cairo_t* cr, double cx, double cy, int count, double length, double spread, double turn = 0);

// Adds a heart of about `size` across, centred on (cx, cy), point down.
void Heart(cairo_t* cr, double cx, double cy, double size);

// Paints what `content` draws, but only inside the outline `path` adds:
// the result's alpha is exactly the outline's coverage, so regions that
// share an outline share a clean silhouette (the game draws some of them as
// shadows in black).
void PaintInside(cairo_t* cr, const std::function<void(cairo_t*)>& path,
                 const std::function<void(cairo_t*)>& content);

// Sets a vertical linear gradient from `top` at y0 to `bottom` at y1 as source.
void VerticalGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom);

// Sets a radial gradient from `inner` at the centre to `outer` at `radius`.
void RadialGradient(cairo_t* cr, double cx, double cy, double radius, const Colour& inner,
                    const Colour& outer);

// Fills the current path with a vertical gradient and keeps the path.
void FillGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom);

// Strokes the current path with round joins and clears it.
void Outline(cairo_t* cr, const Colour& colour, double width);

// A glossy sheen: a soft white gradient over the upper part of the current
// path (kept), fading out towards `y1`.
void Sheen(cairo_t* cr, double y0, double y1, double strength);

}  // namespace shapes
