#pragma once

#include <vector>

#include "app/Sprite.h"

// Random places for round pieces (the cards of the memory game, the symbols
// of the sequence game): centres at least one piece size apart (the discs may
// touch, never overlap) and size + edgeMargin pixels or more from every screen
// edge. Each centre draws its y first, then its x, in
// whole pixels, and a place too close to an earlier card is drawn again.
//
// A random sequence of places can jam: the cards already placed may leave no
// free place for the next one. After maxAttempts draws for one card the whole
// layout starts again (from the next numbers of the generator), so the layout
// always finishes.
struct RoundCardLayout {
    static constexpr int kDefaultMaxAttempts = 10000;
    // The memory game's margin.
    static constexpr int kDefaultEdgeMargin = 75;

    RoundCardLayout(int count, double size, int screenWidth, int screenHeight,
                    int maxAttempts = kDefaultMaxAttempts, int edgeMargin = kDefaultEdgeMargin);

    // The centres of the cards, in card order.
    std::vector<Vec2> centres;
    // How often a jammed layout was started again.
    int restarts = 0;

private:
    // Places every card; false when one found no place within maxAttempts.
    bool TryPlaceAll(int count, double size, int screenWidth, int screenHeight, int maxAttempts, int edgeMargin);
    bool IsFree(Vec2 place, double size) const;
};
