#pragma once

#include <cstdint>

// One peg of the code-breaking game: a coloured disc that never jumps. It has
// a place to go (its target) and glides there a little every frame.
class Peg {
public:
    // Colour codes: 0 red, 1 blue, 2 green, 3 yellow, 4 orange, 5 magenta are
    // code colours; the others only appear in score boxes and empty holes.
    static constexpr int kCodeColours = 6;
    static constexpr int kEmpty = 6;  // placeholder, drawn invisible
    static constexpr int kWhite = 7;  // right colour in the wrong place
    static constexpr int kBlack = 8;  // right colour in the right place
    // The glide covers this part of the way left per second of frame time.
    static constexpr double kGlideRate = 10.0;

    Peg(float x, float y, int colour);

    // The full width of a peg as the board and the palette show it.
    static constexpr float kSide = 40.0f;

    Peg(float x, float y, int colour, float side);

    // The ARGB tint of a colour code, the same in every row, so that a peg
    // always matches its colour in the palette.
    static uint32_t Tint(int colour);

    void SetTarget(float x, float y);
    void MoveTarget(float dx, float dy);
    // One frame of gliding towards the target; a long frame ends on the
    // target instead of overshooting it.
    void Glide(double seconds);
    // Whether the point lies within 20 pixels of the centre on both axes.
    bool HitTest(int px, int py) const;
    // The disc centred on the position, tinted by its colour, at its side.
    void Draw() const;

    int Colour() const { return colour; }
    float X() const { return x; }
    float Y() const { return y; }
    float TargetX() const { return targetX; }
    float TargetY() const { return targetY; }
    float Side() const { return side; }

private:
    float x;
    float y;
    float targetX;
    float targetY;
    int colour;
    float side = kSide;
};
