#pragma once

#include "app/Sprite.h"
#include "games/numbers/ScreenBox.h"

// The coins and notes of the change game, in cents, from the smallest.
inline constexpr int kDenominationCount = 15;
inline constexpr int kDenominations[kDenominationCount] = {1,    2,    5,    10,    20,    50,    100,  200,
                                                           500,  1000, 2000, 5000, 10000, 20000, 50000};
// Coins (up to 200 cents) are drawn at three quarters of their picture, notes at half.
inline constexpr int kLargestCoin = 200;
inline constexpr double kCoinScale = 0.75;
inline constexpr double kNoteScale = 0.5;

inline bool IsCoin(int cents) { return cents <= kLargestCoin; }
// The drawing scale of a coin or note of the value.
double MoneyScale(int cents);
// Its picture in misc4, named "coin 50" or "note 500"; an empty region without
// a name for a value that is no denomination.
SheetRegion MoneyRegion(int cents);
// What a coin or note of the value covers when drawn centred on (x, y) at
// the scale: a coin's disc, a note's paper (an empty box at the point for a
// value that is no denomination). Drawing, hit tests and layouts all take a
// piece's place from here.
ScreenBox MoneyBox(int cents, float x, float y, double scale);
// Draws the coin or note centred on (x, y) at the scale.
void DrawMoney(int cents, float x, float y, double scale);

// One coin or note: drawn centred on its position, gliding towards its target.
class MoneyPiece {
public:
    // The part of the remaining way a piece covers per second.
    static constexpr double kGlideSpeed = 8.0;
    // A piece this close to its target has arrived.
    static constexpr float kArrivedDistance = 10.0f;

    // A piece of the value at (x, y), resting there at its usual scale;
    // fromStack is set for the pieces taken from a stack (the player's),
    // clear for the tray pieces.
    MoneyPiece(int cents, float x, float y, bool fromStack);

    void SetTarget(float x, float y);
    // Puts the piece at (x, y) at once, resting there.
    void Place(float x, float y);
    void SetScale(double newScale) { scale = newScale; }
    // One frame: the piece covers the part kGlideSpeed x seconds of the way
    // left, all of it when that part reaches 1 (it never overshoots).
    void Glide(double seconds);
    bool Arrived() const;
    // Where it is drawn now.
    ScreenBox Bounds() const;
    // Whether the point lies on the piece as it is drawn.
    bool HitTest(int x, int y) const;
    void Draw() const;

    int Cents() const { return cents; }
    bool FromStack() const { return fromStack; }
    double Scale() const { return scale; }
    float X() const { return positionX; }
    float Y() const { return positionY; }
    float TargetX() const { return targetX; }
    float TargetY() const { return targetY; }

private:
    bool fromStack;
    float positionX;
    float positionY;
    float targetX;
    float targetY;
    int cents;
    double scale;
};
