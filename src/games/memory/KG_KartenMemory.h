#pragma once

#include <string>
#include <vector>

#include "games/memory/PairsGame.h"
#include "games/memory/PlayingCard.h"

// The memory game with playing cards: 16, 24 or 36 cards by level in a grid
// of 4, 5 or 6 columns around the screen centre, 10 pixels apart; every pair
// has a face of its own. Saves to "kmerkspiel.sav".
class KG_KartenMemory : public PairsGame {
public:
    static constexpr const char* kSaveFile = "kmerkspiel.sav";
    // Pixels between neighbouring cards.
    static constexpr int kGap = 10;

    explicit KG_KartenMemory(int level);

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    const PlayingCard& Card(int index) const { return static_cast<const PlayingCard&>(CardAt(index)); }

    // The faces of the deck: count / 2 different faces, each twice, pairwise
    // in the order drawn.
    static std::vector<int> DrawDeck(int count);
    // Takes a random face out of the deck (the last one without a draw).
    static int TakeFace(std::vector<int>& deck);
};
