#include "games/numbers/ArithmeticTerm.h"

#include "app/Random.h"

namespace arithmetic {

int FirstAllowedOperator(int a, int b, int largestProduct) {
    if (a % b == 0) {
        return kDivide;
    }
    if (a * b <= largestProduct) {
        return kMultiply;
    }
    if (a - b >= 0) {
        return kSubtract;
    }
    return kAdd;
}

int Apply(int op, int a, int b) {
    switch (op) {
        case kSubtract:
            return a - b;
        case kMultiply:
            return a * b;
        case kDivide:
            return a / b;
        default:
            return a + b;
    }
}

char Sign(int op) {
    static constexpr char kSigns[] = {'+', '-', '*', '/'};
    return (op >= kAdd && op <= kDivide) ? kSigns[op] : '?';
}

std::string Printed(std::string_view term, int language) {
    std::string printed;
    for (const char c : term) {
        switch (c) {
            case '*':
                printed += '\xD7';
                break;
            case '/':
                printed += language == 0 ? ':' : '\xF7';
                break;
            case '-':
                printed += '\x96';
                break;
            default:
                printed += c;
        }
    }
    return printed;
}

}  // namespace arithmetic

namespace {

constexpr int kNumberKind = 1;
constexpr int kOperationKind = 2;

}  // namespace

ArithmeticTerm::ArithmeticTerm(int depth, int maxDepth, bool topLevel, bool freeTop) {
    int kind = kNumberKind;
    if (depth < maxDepth) {
        // The kind is drawn even where the top level forces an operation, so
        // that the sequence of draws does not depend on the flags.
        kind = Random() % 2 + 1;
        if (topLevel && !freeTop) {
            kind = kOperationKind;
        }
    }
    if (kind == kNumberKind) {
        value = Random() % kLargestNumber + 1;
        text = std::to_string(value);
        return;
    }

    const ArithmeticTerm left(depth + 1, maxDepth, false, false);
    const ArithmeticTerm right(depth + 1, maxDepth, false, false);
    const int op = arithmetic::FirstAllowedOperator(left.value, right.value, kLargestProduct);
    value = arithmetic::Apply(op, left.value, right.value);
    text = left.text + " " + arithmetic::Sign(op) + " " + right.text;
    if (!topLevel) {
        text = "(" + text + ")";
    }
}
