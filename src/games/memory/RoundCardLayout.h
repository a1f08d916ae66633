#pragma once

#include <vector>

#include "app/Sprite.h"

// Random places for the round cards of the memory game: centres at least one
// card size apart (the discs may touch, never overlap) and size + 75 pixels or
// more from every screen edge. Each centre draws its y first, then its x, in
// whole pixels, and a place too close to an earlier card is drawn again.
//
// A random sequence of places can jam: the cards already placed may leave no
// free place for the next one. After maxAttempts draws for one card the whole
// layout starts again (from the next numbers of the generator), so the layout
// always finishes.
struct RoundCardLayout {
    static constexpr int kDefaultMaxAttempts = 10000;

    RoundCardLayout(int count, double size, int screenWidth, int screenHeight,
                    int maxAttempts = kDefaultMaxAttempts);

    // The centres of the cards, in card order.
    std::vector<Vec2> centres;
    // How often a jammed layout was started again.
    int restarts = 0;

private:
    // Places every card; false when one found no place within maxAttempts.
    bool TryPlaceAll(int count, double size, int screenWidth, int screenHeight, int maxAttempts);
    bool IsFree(Vec2 place, double size) const;
};
