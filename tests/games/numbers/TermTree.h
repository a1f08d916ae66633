#pragma once

#include <memory>
#include <string>

// An expression read back from its text, for checking the generator: a number
// or an operation on two sub-expressions. Read with an independent grammar:
// at the top level "N" or "X op Y" without parentheses, below it every
// operation in parentheses "(X op Y)"; numbers in decimal, signs + - * /,
// exactly one blank on each side of a sign.
struct TermTree {
    // Null when the text is not of that form.
    static std::unique_ptr<TermTree> Read(const std::string& text);
    bool IsNumber() const { return sign == 0; }
    int Depth() const;
    // The value, computed from the signs in whole numbers.
    int Value() const;
    // A description of the first place (depth first) that breaks the rules of
    // the generator, or "": numbers 1 to 19; division exactly where the left
    // value is a multiple of the right; otherwise multiplication where the
    // product is at most largestProduct; otherwise subtraction where the
    // difference is not negative; otherwise addition; every value above 0.
    std::string FirstFault(int largestProduct) const;
    // The same for one operation on the values a and b (both above 0).
    static std::string OperatorFault(char sign, int a, int b, int largestProduct);
    int number = 0;  // of a number
    char sign = 0;   // of an operation
    std::unique_ptr<TermTree> left;
    std::unique_ptr<TermTree> right;
};
