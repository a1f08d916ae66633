#pragma once

// One weight of the balance game, standing with its foot at its position and
// gliding towards its target. Weights the task placed on a pan are fixed.
class BalanceWeight {
public:
    // The part of the remaining way a weight covers per second.
    static constexpr double kGlideSpeed = 5.0;
    static constexpr double kScale = 0.5;

    BalanceWeight(int grams, float x, float y, bool movable);

    void SetTarget(float x, float y);
    void MoveTarget(float dx, float dy);
    // One frame: the weight covers the part kGlideSpeed x seconds of the way
    // left, all of it when that part reaches 1 (it never overshoots).
    void Glide(double seconds);
    // Whether the point lies on the weight: 30 x scale either side of the foot,
    // up to 115 x scale above it.
    bool HitTest(int x, int y) const;
    // The weight (grey when fixed) with its mass written on it (red when fixed).
    void Draw() const;

    int Grams() const { return grams; }
    bool Movable() const { return movable; }
    float X() const { return positionX; }
    float Y() const { return positionY; }
    float TargetX() const { return targetX; }
    float TargetY() const { return targetY; }

private:
    bool movable;
    float positionX;
    float positionY;
    float targetX;
    float targetY;
    int grams;
};
