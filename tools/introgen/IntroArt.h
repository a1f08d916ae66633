#pragma once

#include <cairo.h>

#include "Canvas.h"
#include "Decor.h"
#include "Palette.h"

// The still pictures the intro is animated from, each painted once into a
// canvas of its own: the sky, the toy box (the part behind the flying tiles
// and the part in front of them), the tiles and the subtitle tag.
namespace intro_art {

// Where the box's opening lies in the two box canvases.
inline constexpr int kBoxCanvasWidth = 480;
inline constexpr int kBoxCanvasHeight = 300;
inline constexpr double kBoxLeft = 80;
inline constexpr double kBoxWidth = 320;
inline constexpr double kBoxOpeningY = 110;
inline constexpr double kBoxHeight = 170;

struct TileLook {
    double size;
    Colour colour;
    const char* glyph;     // null: the figure
    decor::Figure figure;
};

// The canvas a tile of that size needs, its shadow included.
int TileCanvasSide(double size);

void PaintSky(Canvas& canvas);
// Light rays from (cx, cy), turned by `turn` radians, straight onto a frame.
void PaintRays(cairo_t* cr, double cx, double cy, double turn);
void PaintBoxBack(Canvas& canvas);
void PaintBoxFront(Canvas& canvas);
// The tile centred in its canvas.
void PaintTile(Canvas& canvas, const TileLook& look);
// A rounded tag with the text, filling the canvas.
void PaintTag(Canvas& canvas, const char* utf8, double textSize);

}  // namespace intro_art
