#pragma once

#include <memory>
#include <vector>

#include "games/numbers/MoneyPiece.h"

// A stack of one denomination in the supply at the bottom of the screen. The
// player takes new pieces from it; pieces handed back fly to it and vanish
// when they get there.
class MoneyStack {
public:
    // The count of a stack that never runs out.
    static constexpr int kUnlimited = -1;

    // A stack centred on (x, y), drawn at the scale; its pieces come at that scale.
    MoneyStack(int cents, float x, float y, double scale, int count = kUnlimited);

    // Where its picture is drawn.
    ScreenBox Bounds() const;
    // Whether the point lies on the stack's picture as it is drawn.
    bool HitTest(int x, int y) const;
    // A new piece (the player's) at the centre, or null when the stack is empty.
    std::unique_ptr<MoneyPiece> TakePiece();
    // Takes a piece of its own value back: it flies to the centre. A piece of
    // another value is refused and returned.
    std::unique_ptr<MoneyPiece> TakeBack(std::unique_ptr<MoneyPiece> piece);
    // The flying pieces glide; those that have arrived are gone.
    void Update(double seconds);
    // The stack's picture, then its flying pieces.
    void Draw() const;

    int Cents() const { return cents; }
    int Count() const { return count; }
    double Scale() const { return scale; }
    float X() const { return positionX; }
    float Y() const { return positionY; }
    const std::vector<std::unique_ptr<MoneyPiece>>& Flying() const { return flying; }

private:
    float positionX;
    float positionY;
    std::vector<std::unique_ptr<MoneyPiece>> flying;
    int count;
    int cents;
    double scale;
};
