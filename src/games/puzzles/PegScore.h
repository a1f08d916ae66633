#pragma once

#include <memory>
#include <vector>

#include "games/puzzles/Peg.h"

// The score box at the right end of a guess row: up to five small black and
// white score pegs laid out like the five of a die, over invisible
// placeholders.
class PegScore {
public:
    // Placeholders the box starts with.
    static constexpr int kPlaceholders = 5;
    // The side of a score peg: five of them lie apart in the 50-pixel box.
    static constexpr float kPegSide = 15.0f;

    PegScore(float x, float y);

    // A black (or white) score peg. place -1 puts it in front of every peg of
    // the box; place k takes the peg at k when that one is still a placeholder.
    void AddBlack(int place);
    void AddWhite(int place);
    bool HitTest(int px, int py) const;
    // Sends every peg to its place of the square (by its index) and glides it.
    void Glide(double seconds);
    // The box, tinted brighter when highlighted, then its pegs.
    void Draw(bool highlighted) const;

    int Blacks() const { return blacks; }
    int Whites() const { return whites; }
    float X() const { return x; }
    float Y() const { return y; }
    const std::vector<std::unique_ptr<Peg>>& Pegs() const { return pegs; }

private:
    void Add(int colour, int place);

    int whites = 0;
    int blacks = 0;
    float x;
    float y;
    std::vector<std::unique_ptr<Peg>> pegs;
};
