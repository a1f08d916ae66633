#pragma once

#include <memory>
#include <vector>

#include "games/numbers/MoneyPiece.h"

class Font;

// A rectangular area of the change game holding coins and notes: the price,
// the customer's payment or the player's change. Its name stands in its
// middle, or above it where a heap of pieces would hide it; the change tray
// has a frame.
class MoneyTray {
public:
    // label: 0 price, 1 payment, 2 change (language texts 144 to 146).
    MoneyTray(float left, float top, float right, float bottom, int label, bool framed, bool nameAbove = false);
    ~MoneyTray();
    MoneyTray(const MoneyTray&) = delete;
    MoneyTray& operator=(const MoneyTray&) = delete;

    // Puts the piece into the tray, on top of the others; it glides to (x, y).
    void Add(std::unique_ptr<MoneyPiece> piece, float x, float y);
    int Sum() const;
    // Whether the point lies in the rectangle, its edges included.
    bool HitTest(float x, float y) const;
    // A random point of the rectangle (two draws: across, then down).
    void RandomPoint(float& x, float& y) const;
    // Takes out the topmost piece under the point, or null.
    std::unique_ptr<MoneyPiece> TakeTopmost(int x, int y);
    // Every piece glides.
    void Update(double seconds);
    // The name, the frame when it has one, then the pieces from the bottom up.
    void Draw() const;

    const std::vector<std::unique_ptr<MoneyPiece>>& Pieces() const { return pieces; }
    float Left() const { return left; }
    float Top() const { return top; }
    float Right() const { return right; }
    float Bottom() const { return bottom; }

private:
    std::unique_ptr<Font> font;
    int label;
    bool framed;
    bool nameAbove;
    float left;
    float top;
    float right;
    float bottom;
    std::vector<std::unique_ptr<MoneyPiece>> pieces;
};
