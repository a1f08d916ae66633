#pragma once

#include <memory>
#include <vector>

#include "games/numbers/MoneyPiece.h"

class Font;

// An area of the change game holding coins and notes: the price, the
// customer's payment or the player's change. Its name stands in a band along
// its top that no piece is ever laid on; the pieces lie in the area below.
// The price and the payment lie on the table, the change in a wooden cash
// tray with its name on a plate.
class MoneyTray {
public:
    enum class Look { OnTable, CashTray };
    // The cash tray's picture, drawn at its own size.
    static constexpr float kCashTrayWidth = 500.0f;
    static constexpr float kCashTrayHeight = 190.0f;

    // A tray filling the box (a cash tray's box has the picture's size);
    // label: 0 price, 1 payment, 2 change (language texts 144 to 146).
    MoneyTray(const ScreenBox& box, int label, Look look);
    ~MoneyTray();
    MoneyTray(const MoneyTray&) = delete;
    MoneyTray& operator=(const MoneyTray&) = delete;

    // Puts the piece into the tray, on top of the others; it glides to (x, y),
    // or as near as keeps it wholly inside the piece area.
    void Add(std::unique_ptr<MoneyPiece> piece, float x, float y);
    // Lays every piece out at once in rows (LayOutInRows): none covers another.
    void Arrange();
    int Sum() const;
    // Whether the point lies in the tray, its name band and edges included.
    bool HitTest(float x, float y) const;
    // Takes out the topmost piece under the point, or null.
    std::unique_ptr<MoneyPiece> TakeTopmost(int x, int y);
    // Every piece glides.
    void Update(double seconds);
    // The cash tray's picture, the name, then the pieces from the bottom up.
    void Draw() const;

    ScreenBox Box() const { return box; }
    ScreenBox NameBand() const;
    ScreenBox PieceArea() const;
    Look GetLook() const { return look; }
    const std::vector<std::unique_ptr<MoneyPiece>>& Pieces() const { return pieces; }
    float Left() const { return box.left; }
    float Top() const { return box.top; }
    float Right() const { return box.right; }
    float Bottom() const { return box.bottom; }

private:
    std::unique_ptr<Font> font;
    ScreenBox box;
    int label;
    Look look;
    std::vector<std::unique_ptr<MoneyPiece>> pieces;
};
