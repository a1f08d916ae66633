#pragma once

#include "games/memory/MemoryCard.h"
#include "games/memory/PairsGame.h"
#include "games/memory/PlayingCard.h"

// Finding and turning the cards of a pairs game in tests.

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

// The first card for which test(card index) holds, or -1.
template <typename Test>
int FindCard(const PairsGame& game, Test test) {
    for (int i = 0; i < game.CardCount(); ++i) if (test(i)) return i;
    return -1;
}
// The other card of the pair of card `index`.
inline int PartnerOf(const PairsGame& game, int index) {
    return FindCard(game, [&](int i) { return i != index && game.CardAt(i).SamePair(game.CardAt(index)); });
}
// The first card of another pair than card `index`, and of those not turned up
// when faceDown is set.
inline int StrangerOf(const PairsGame& game, int index, bool faceDown = false) {
    return FindCard(game, [&](int i) {
        return !game.CardAt(i).SamePair(game.CardAt(index)) && !(faceDown && game.CardAt(i).IsFaceUp());
    });
}
inline int FirstFaceDown(const PairsGame& game) {
    return FindCard(game, [&](int i) { return !game.CardAt(i).IsFaceUp(); });
}
inline int FaceUpCount(const PairsGame& game) {
    int count = 0;
    for (int i = 0; i < game.CardCount(); ++i) count += game.CardAt(i).IsFaceUp() ? 1 : 0;
    return count;
}
