#pragma once

#include <string>

#include "games/memory/MemoryCard.h"
#include "games/memory/PairsGame.h"

// The memory game with round cards: 16, 24 or 32 cards by level lie face down
// at random places that do not overlap; all show the same one of three back
// designs. Saves to "merkspiel.sav".
class KG_Memory : public PairsGame {
public:
    static constexpr const char* kSaveFile = "merkspiel.sav";

    explicit KG_Memory(int level);

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    const MemoryCard& Card(int index) const { return static_cast<const MemoryCard&>(CardAt(index)); }
};
