#pragma once

#include <string>
#include <string_view>

// The four operators by index, and the rule by which expressions choose
// among them.
namespace arithmetic {

constexpr int kAdd = 0;
constexpr int kSubtract = 1;
constexpr int kMultiply = 2;
constexpr int kDivide = 3;

// The first operator allowed between a and b (both above 0), in the order
// division (only without a remainder), multiplication (only up to a product
// of largestProduct), subtraction (only when not negative), addition. Equal
// values thus always give a division.
int FirstAllowedOperator(int a, int b, int largestProduct);
// a op b in whole numbers (division cut toward zero; b must not be 0 for it).
int Apply(int op, int a, int b);
// '+', '-', '*' or '/'.
char Sign(int op);
// A term as a pupil writes it, in Windows-1252: times as "×", divided by as
// ":" (German, language 0) or "÷", minus as a dash; everything else as it is.
std::string Printed(std::string_view term, int language);

}  // namespace arithmetic

// A random arithmetic expression of whole numbers with the four operators,
// for example "(12 / 4) * (3 + 5)". Every number is 1 to 19, and every value
// on the way is a positive whole number, since the operator of two
// sub-expressions is the first one allowed with products up to 200.
class ArithmeticTerm {
public:
    static constexpr int kLargestNumber = 19;
    static constexpr int kLargestProduct = 200;

    // depth: this expression's depth in the whole one (0 at the top);
    // maxDepth: the depth at which only numbers are drawn.
    // topLevel: the expression is written without surrounding parentheses;
    // unless freeTop is set, it is then always an operation.
    ArithmeticTerm(int depth, int maxDepth, bool topLevel, bool freeTop);

    // The expression as shown ("7 / 7" at the top, "(7 / 7)" below it).
    const std::string& Text() const { return text; }
    int Value() const { return value; }

private:
    std::string text;
    int value = -1;
};
