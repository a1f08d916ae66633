#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/memory/PairCard.h"

// What the two pairs-matching games share: the cards lie face down; the player
// turns two with the mouse; a matching pair stays face up (sound 12), a wrong
// pair shows for two seconds of running time and turns back (sound 13). The
// play ends when every pair is found. The games differ in their cards and how
// they lay them out, which their constructors do with AddCard.
//
// Grade: playSeconds / 120 + 1 + mistakes / cards, plus open cards / cards x 5
// for a play ended before every pair was found; at most 6.
class PairsGame : public Knobel_Game {
public:
    // Seconds a wrong pair stays face up.
    static constexpr double kFlipBackSeconds = 2.0;

    PairsGame(int level, const std::string& saveFileName);
    ~PairsGame() override;

    // The turn logic: turns the open card under (x, y).
    void OnLeftButtonUp(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetResultText() override;
    void ComputeGrade() override;

    int CardCount() const { return static_cast<int>(allCards.size()); }
    const PairCard& CardAt(int index) const { return *allCards.at(static_cast<size_t>(index)); }
    int OpenCards() const { return static_cast<int>(openCards.size()); }
    // Every card not open any more belongs to a pair found.
    int FoundCards() const { return CardCount() - OpenCards(); }
    // How often a second card was turned, and how many of those pairs were wrong.
    int Turns() const { return turns; }
    int Mistakes() const { return mistakes; }
    // Seconds until a wrong pair turns back; not above 0 when none shows.
    double FlipBackTimer() const { return flipBackTimer; }

protected:
    // Adds a face-down card: drawn after the cards added before it, open to clicks.
    void AddCard(std::unique_ptr<PairCard> card);

private:
    // The first open card under the point other than the first card of the
    // turn, or null.
    PairCard* OpenCardAt(float x, float y) const;
    // The second card matched the first: both leave the open cards.
    void KeepPair();

    double flipBackTimer = -1.0;
    PairCard* firstCard = nullptr;
    PairCard* secondCard = nullptr;
    // Every card, in drawing order; owns them.
    std::vector<std::unique_ptr<PairCard>> allCards;
    // The cards not yet matched, which alone react to clicks.
    std::vector<PairCard*> openCards;
    int turns = 0;
    int mistakes = 0;
};
