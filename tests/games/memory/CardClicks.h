#pragma once

#include "games/memory/MemoryCard.h"
#include "games/memory/PlayingCard.h"

// The middle of a card, where a click turns it.
inline Vec2 Middle(const MemoryCard& card) { return card.Centre(); }
inline Vec2 Middle(const PlayingCard& card) {
    return {card.Position().x + card.Size().x / 2, card.Position().y + card.Size().y / 2};
}

// A click released on the middle of card `index` of a pairs game.
template <typename PairsGameType>
void ClickCard(PairsGameType& game, int index) {
    const Vec2 middle = Middle(game.Card(index));
    game.OnLeftButtonUp(static_cast<int>(middle.x), static_cast<int>(middle.y));
}
