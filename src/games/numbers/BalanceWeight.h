#pragma once

#include <cstdint>
#include <string>

#include "games/numbers/ScreenBox.h"

// One weight of the balance game: a stacking weight standing with its foot at
// its position and gliding towards its target, its mass written on its
// front. Heavier weights are a little larger. Weights the task placed on a
// pan are fixed and drawn darker.
class BalanceWeight {
public:
    // The part of the remaining way a weight covers per second.
    static constexpr double kGlideSpeed = 5.0;
    // The line height of the mass written on a weight.
    static constexpr double kLabelFontSize = 24.0;
    // The colour of that mass on a movable and on a fixed weight: light on
    // the dark iron.
    static constexpr uint32_t kMovableLabel = 0xFFFFFFFFu;
    static constexpr uint32_t kFixedLabel = 0xFFFFB0A8u;
    // The colour a fixed weight's picture is drawn in (darker).
    static constexpr uint32_t kFixedTint = 0xFF7F7F7Fu;

    BalanceWeight(int grams, float x, float y, bool movable);

    // The drawing scale of a weight of that mass.
    static double ScaleOf(int grams);
    // Its mass as written on it: "25 g", "250 g", "1 kg".
    static std::string MassLabel(int grams);
    // Where a weight of that mass with its foot at (x, y) is drawn; its front
    // (where the mass is written, within the label box); the height above
    // its foot where the next weight stands on it.
    static ScreenBox PictureAt(int grams, float x, float y);
    static ScreenBox LabelAt(int grams, float x, float y);
    static float StackHeight(int grams);

    void SetTarget(float x, float y);
    void MoveTarget(float dx, float dy);
    // One frame: the weight covers the part kGlideSpeed x seconds of the way
    // left, all of it when that part reaches 1 (it never overshoots).
    void Glide(double seconds);
    // Where it is drawn now, and the box its mass is written in.
    ScreenBox Bounds() const { return PictureAt(grams, positionX, positionY); }
    ScreenBox LabelBox() const { return LabelAt(grams, positionX, positionY); }
    // Whether the point lies on the weight as it is drawn.
    bool HitTest(int x, int y) const;
    // The weight (darker when fixed) with its mass written on its front.
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
