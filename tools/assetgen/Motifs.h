#pragma once

#include <cairo.h>

// Small, bright illustrations with ink outlines: the pair pictures of the
// memory game, and the things that fill the sliding-puzzle scenes.
namespace motifs {

enum class Motif {
    Apple, Sun, Fish, Star, Heart, Flower, Car, House,
    Balloon, Tree, Cat, Rocket, Umbrella, IceCream, Butterfly, Mushroom,
    kCount
};

// Draws the motif centred on (cx, cy), filling about a size x size box.
void Draw(cairo_t* cr, Motif motif, double cx, double cy, double size);

}  // namespace motifs
