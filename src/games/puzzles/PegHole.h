#pragma once

#include <memory>

#include "games/puzzles/Peg.h"

// A hole of the code-breaking board (a guess row or the hidden code row). It
// holds at most one peg, owns it and calls it to its centre.
class PegHole {
public:
    PegHole(float x, float y);

    // Takes the peg and sends it gliding to the hole; when the hole is full
    // the peg is handed back instead.
    std::unique_ptr<Peg> Put(std::unique_ptr<Peg> peg);
    // Empties the hole; null when it was empty.
    std::unique_ptr<Peg> Take();
    // The colour of the peg, Peg::kEmpty when there is none.
    int Colour() const;
    bool IsFull() const { return peg != nullptr; }
    // Whether the point lies within 25 pixels of the centre on both axes.
    bool HitTest(int px, int py) const;
    void Glide(double seconds);
    // The hole, bright when highlighted, then its peg.
    void Draw(bool highlighted) const;

    float X() const { return x; }
    float Y() const { return y; }
    const Peg* Held() const { return peg.get(); }

private:
    float x;
    float y;
    std::unique_ptr<Peg> peg;
};
