#pragma once

#include <cairo.h>

#include <cstdint>

#include "Palette.h"
#include "Rect.h"

// Decoration shared by the backgrounds and the title art.
namespace decor {

// The figures a confetti scatter is made of.
enum class Figure { Circle, Ring, Square, Triangle, Star, Plus, Puzzle, kCount };

// Adds one figure of about `size` across, centred on (cx, cy), turned by `turn` radians.
void FigurePath(cairo_t* cr, Figure figure, double cx, double cy, double size, double turn);

// A figure filled in `fill` with an ink outline of `outline` pixels.
void InkedFigure(cairo_t* cr, Figure figure, double cx, double cy, double size, double turn,
                 const Colour& fill, double outline);

struct Scatter {
    Rect area;                  // where the centres may fall
    int count = 40;
    double minSize = 20;
    double maxSize = 60;
    double minAlpha = 0.08;
    double maxAlpha = 0.18;
    double spacing = 0;         // > 0: keep figures apart by this share of their sizes
    std::uint32_t seed = 1;
    const Colour* colours = nullptr;  // cycled; null: white
    int colourCount = 0;
    bool outlined = false;      // rings of the figure instead of filled figures
};

// Scatters figures with a fixed seed (same picture on every run).
void Confetti(cairo_t* cr, const Scatter& scatter);

// The game's round question-mark badge (the box on the loading screen, the
// card backs), centred on (cx, cy).
void QuestionBadge(cairo_t* cr, double cx, double cy, double radius);

// The game's name in bright, outlined letters, centred on (cx, cy).
void Logo(cairo_t* cr, double cx, double cy, double size);

}  // namespace decor
