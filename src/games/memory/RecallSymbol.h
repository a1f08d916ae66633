#pragma once

#include "app/Sprite.h"

// A round symbol of the sequence game: a misc3 tile of its picture type drawn
// around its centre, lit while its glow timer is above 0. It is hit within
// half its size of the centre.
class RecallSymbol {
public:
    RecallSymbol(int type, double size, Vec2 centre);

    bool HitTest(float x, float y) const;
    void SetGlow(double seconds) { glowTimer = seconds; }
    // Runs the glow down by seconds (also on below 0).
    void CountDown(double seconds) { glowTimer -= seconds; }
    bool IsLit() const { return glowTimer > 0.0; }
    double GlowTimer() const { return glowTimer; }
    double Size() const { return size; }
    Vec2 Centre() const { return centre; }
    void Draw() const;

private:
    int type;
    double size;
    double glowTimer = 0.0;
    Vec2 centre;
};
