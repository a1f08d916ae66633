#pragma once

#include <cairo.h>

#include <string>

#include "Palette.h"

// Lettering painted into the art. Strings are UTF-8 (cairo's encoding); they
// never reach the game's Windows-1252 data files.
namespace text {

enum class Face {
    Label,  // bold sans for labels and small print
    Title,  // bold rounded hand for the game's name and headings
};

struct Style {
    Face face = Face::Label;
    double size = 20;
    Colour fill = palette::kInk;
    Colour outline = palette::kInk.WithAlpha(0);
    double outlineWidth = 0;  // 0: no outline
};

// Width of the string's ink in the given face and size.
double Width(cairo_t* cr, const std::string& utf8, Face face, double size);

// Draws the string with its ink box centred on (cx, cy): outline first, fill on top.
void Centred(cairo_t* cr, const std::string& utf8, double cx, double cy, const Style& style);

// Like Centred, but each letter takes the next colour of `colours` (count > 0),
// blanks skipped: the playful lettering of the game's name.
void Rainbow(cairo_t* cr, const std::string& utf8, double cx, double cy, const Style& style,
             const Colour* colours, int count);

// Frees the font caches cairo and fontconfig keep for the process. Call once
// at exit, after all drawing, so leak checkers see a clean end.
void ReleaseFontCaches();

}  // namespace text
