#pragma once

#include <cairo.h>

#include "Palette.h"

// The four suits of the playing cards.
namespace suits {

enum class Suit { Spades, Hearts, Diamonds, Clubs };

// Adds the suit's symbol, about `size` tall, centred on (cx, cy), to the
// path (fill it with the winding rule).
void Path(cairo_t* cr, Suit suit, double cx, double cy, double size);

// Red for hearts and diamonds, ink for spades and clubs.
Colour Of(Suit suit);

// The symbol filled in its colour; turned upside down when `flipped`.
void Draw(cairo_t* cr, Suit suit, double cx, double cy, double size, bool flipped = false);

}  // namespace suits
