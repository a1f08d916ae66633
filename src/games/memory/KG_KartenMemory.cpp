#include "games/memory/KG_KartenMemory.h"

#include <algorithm>
#include <cstddef>
#include <memory>

#include "app/AppState.h"
#include "app/Random.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 53;
constexpr int kHelpText = 68;

struct CardGrid {
    int count;
    int columns;
    float width;
    float height;
};

// The middle level lays out 12 pairs in rows of 5: four full rows and one of 4.
CardGrid GridOfLevel(int level) {
    switch (level) {
        case 0:
            return {16, 4, 88.0f, 128.0f};
        case 1:
            return {24, 5, 70.0f, 105.0f};
        case 2:
            return {36, 6, 50.0f, 75.0f};
        default:
            return {8, 2, 88.0f, 128.0f};
    }
}

}  // namespace

KG_KartenMemory::KG_KartenMemory(int level) : PairsGame(level, kSaveFile) {
    const CardGrid grid = GridOfLevel(this->level);
    SeedRandom(TimeSeed());
    std::vector<int> deck = DrawDeck(grid.count);
    const float stepX = kGap + grid.width;
    const float stepY = kGap + grid.height;
    const int half = grid.columns / 2;
    for (int i = 0; i < grid.count; ++i) {
        const float top = app->screenHeight / 2 - half * stepY + (i / grid.columns) * stepY;
        const float left = app->screenWidth / 2 - half * stepX + (i % grid.columns) * stepX;
        const int face = TakeFace(deck);
        AddCard(std::make_unique<PlayingCard>(face, Vec2{left, top}, Vec2{grid.width, grid.height}));
    }
}

std::vector<int> KG_KartenMemory::DrawDeck(int count) {
    std::vector<int> deck;
    // There are only so many faces: a deck never asks for more pairs.
    const int pairs = std::min(count / 2, PlayingCard::kFaces);
    for (int pair = 0; pair < pairs; ++pair) {
        int face = 0;
        do {
            face = Random() % PlayingCard::kFaces;
        } while (std::find(deck.begin(), deck.end(), face) != deck.end());
        deck.push_back(face);
        deck.push_back(face);
    }
    return deck;
}

int KG_KartenMemory::TakeFace(std::vector<int>& deck) {
    const size_t index = deck.size() >= 2 ? static_cast<size_t>(Random()) % deck.size() : 0;
    const int face = deck.at(index);
    deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(index));
    return face;
}

const std::string& KG_KartenMemory::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_KartenMemory::GetTitle() { return GetTextOrEmpty(kTitleText); }
