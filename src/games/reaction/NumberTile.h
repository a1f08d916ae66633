#pragma once

// One tile of the number clicking game: a 50 x 50 square around its centre
// with a number on it. A tile clicked out of turn stays on the board with its
// number red.
class NumberTile {
public:
    // Half the side of a tile: a point this close to the centre on both axes
    // (bounds included) hits it.
    static constexpr float kHalfSize = 25.0f;

    NumberTile(float x, float y, int number) : x(x), y(y), number(number) {}

    // The tile was clicked; correct: it was its turn.
    void MarkClicked(bool isCorrect) {
        clicked = true;
        correct = isCorrect;
    }
    int Number() const { return number; }
    float X() const { return x; }
    float Y() const { return y; }
    bool Clicked() const { return clicked; }
    bool Correct() const { return correct; }
    bool HitTest(int px, int py) const;
    // The square, then the number centred on it: black, red once clicked out
    // of turn, green once clicked in turn.
    void Draw() const;

private:
    float x;
    float y;
    int number;
    bool clicked = false;
    bool correct = false;
};
