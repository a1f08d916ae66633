#pragma once

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <string_view>

#include "games/numbers/ArithmeticTerm.h"

// An expression read back from its text with a grammar of its own, for checking
// the generator: at the top level "N" or "X op Y" without parentheses, below it
// every operation in parentheses "(X op Y)"; decimal numbers, signs + - * /,
// exactly one blank on each side of a sign.
struct TermTree {
    // Null when the text is not of that form.
    static std::unique_ptr<TermTree> Read(const std::string& text) {
        size_t at = 0;
        auto tree = text.find(' ') == std::string::npos ? Operand(text, at) : Operation(text, at);
        return at == text.size() ? std::move(tree) : nullptr;
    }
    bool IsNumber() const { return sign == 0; }
    int Depth() const { return IsNumber() ? 0 : 1 + std::max(left->Depth(), right->Depth()); }
    // The value, computed from the signs in whole numbers.
    int Value() const {
        if (IsNumber()) return number;
        const int a = left->Value();
        const int b = right->Value();
        return sign == '+' ? a + b : sign == '-' ? a - b : sign == '*' ? a * b : b != 0 ? a / b : 0;
    }
    // The first place (depth first) that breaks the generator's rules, or "":
    // numbers 1 to 19, every operator the first one allowed for its values,
    // divisions exact and every value above 0.
    std::string FirstFault(int largestProduct) const {
        if (IsNumber()) return number >= 1 && number <= 19 ? "" : "number " + std::to_string(number);
        for (const TermTree* part : {left.get(), right.get()}) {
            if (std::string fault = part->FirstFault(largestProduct); !fault.empty()) return fault;
        }
        const int a = left->Value();
        const int b = right->Value();
        const std::string where = std::to_string(a) + " " + sign + " " + std::to_string(b);
        if (arithmetic::Sign(arithmetic::FirstAllowedOperator(a, b, largestProduct)) != sign) return where + ": sign";
        if (sign == '/' && a % b != 0) return where + ": not exact";
        return Value() > 0 ? "" : where + ": not positive";
    }
    int number = 0;  // of a number
    char sign = 0;   // of an operation
    std::unique_ptr<TermTree> left;
    std::unique_ptr<TermTree> right;

private:
    // A number or a parenthesised operation from `at` on.
    static std::unique_ptr<TermTree> Operand(std::string_view text, size_t& at) {
        if (at < text.size() && text[at] == '(') {
            auto node = Operation(text, ++at);
            return node != nullptr && at < text.size() && text[at++] == ')' ? std::move(node) : nullptr;
        }
        auto node = std::make_unique<TermTree>();
        const size_t start = at;
        while (at < text.size() && at - start < 6 && std::isdigit(static_cast<unsigned char>(text[at]))) {
            node->number = node->number * 10 + (text[at++] - '0');
        }
        return at > start ? std::move(node) : nullptr;
    }
    // "X op Y" from `at` on.
    static std::unique_ptr<TermTree> Operation(std::string_view text, size_t& at) {
        auto node = std::make_unique<TermTree>();
        node->left = Operand(text, at);
        if (node->left == nullptr || text.size() - at < 4 || text[at] != ' ' || text[at + 2] != ' ' ||
            std::string_view("+-*/").find(text[at + 1]) == std::string_view::npos) {
            return nullptr;
        }
        node->sign = text[at + 1];
        at += 3;
        node->right = Operand(text, at);
        return node->right != nullptr ? std::move(node) : nullptr;
    }
};
