#pragma once

// One of the 81 cells of the Sudoku grid: a square of `size` pixels with its
// top-left corner at (x, y), holding a digit 1..9 or nothing (-1). A fixed
// cell holds a given digit the player cannot change; a cell that is not
// valid takes part in a conflict and draws its digit in red.
class SudokuCell {
public:
    static constexpr int kEmpty = -1;

    SudokuCell() = default;
    SudokuCell(float x, float y, double size) : x(x), y(y), size(size) {}

    void SetValue(int digit) { value = digit; }
    int GetValue() const { return value; }
    void SetValid(bool isValid) { valid = isValid; }
    bool IsValid() const { return valid; }
    void SetFixed(bool isFixed) { fixed = isFixed; }
    bool GetFixed() const { return fixed; }
    float X() const { return x; }
    float Y() const { return y; }
    double Size() const { return size; }

    // Whether the point lies on the cell, its edges included.
    bool HitTest(int px, int py) const;
    // The cell's square (tinted when selected) and its digit in the font with
    // id 0: red when not valid, else grey for a given digit and black for an
    // entered one.
    void Draw(bool selected) const;

private:
    bool fixed = true;
    bool valid = true;
    int value = kEmpty;
    float x = 0.0f;
    float y = 0.0f;
    double size = 50.0;
};
