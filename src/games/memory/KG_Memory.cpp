#include "games/memory/KG_Memory.h"

#include <memory>

#include "app/AppState.h"
#include "app/Random.h"
#include "games/memory/RoundCardLayout.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 19;
constexpr int kHelpText = 69;
constexpr int kBackDesigns = 3;

struct CardSet {
    int count;
    double size;
};

CardSet CardsOfLevel(int level) {
    switch (level) {
        case 0:
            return {16, 110.0};
        case 1:
            return {24, 85.0};
        case 2:
            return {32, 75.0};
        default:
            return {8, 100.0};
    }
}

}  // namespace

KG_Memory::KG_Memory(int level) : PairsGame(level, kSaveFile) {
    const CardSet cards = CardsOfLevel(this->level);
    SeedRandom(TimeSeed());
    const int backDesign = Random() % kBackDesigns;
    const RoundCardLayout layout(cards.count, cards.size, app->screenWidth, app->screenHeight);
    for (int i = 0; i < cards.count; ++i) {
        AddCard(std::make_unique<MemoryCard>(i / 2, layout.centres[static_cast<size_t>(i)], cards.size, backDesign));
    }
}

const std::string& KG_Memory::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Memory::GetTitle() { return GetTextOrEmpty(kTitleText); }
