#pragma once

#include <cstdint>

// One card of a pairs game: it lies face down or face up, and matches the one
// other card that carries the same pair key. How a card is hit and drawn
// depends on its kind (round cards, playing cards).
class PairCard {
public:
    explicit PairCard(int pairKey) : pairKey(pairKey) {}
    virtual ~PairCard() = default;
    PairCard(const PairCard&) = delete;
    PairCard& operator=(const PairCard&) = delete;

    void TurnUp() { faceUp = true; }
    void TurnDown() { faceUp = false; }
    bool IsFaceUp() const { return faceUp; }
    // A card of a pair found stays face up, faded back, so that it never looks
    // like a pair turned just now.
    void MarkFound() { found = true; }
    bool IsFound() const { return found; }
    // The colour its face is drawn in: see-through once found.
    uint32_t FaceTint() const { return found ? kFoundTint : 0xFFFFFFFFu; }
    static constexpr uint32_t kFoundTint = 0x70FFFFFFu;

    int PairKey() const { return pairKey; }
    bool SamePair(const PairCard& other) const { return pairKey == other.pairKey; }

    // Whether the screen point (x, y) lies on the card.
    virtual bool HitTest(float x, float y) const = 0;
    // Draws the shadow, then the face or the back.
    virtual void Draw() const = 0;

private:
    const int pairKey;
    bool faceUp = false;
    bool found = false;
};
