#include "TermTree.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string_view>

namespace {

class TermReader {
public:
    explicit TermReader(std::string_view text) : text(text) {}
    std::unique_ptr<TermTree> ReadTop() {
        auto first = ReadOperand();
        if (first == nullptr) return nullptr;
        if (AtEnd()) {
            // A lone number; an operation at the top has no parentheses.
            return first->IsNumber() ? std::move(first) : nullptr;
        }
        auto whole = ReadRest(std::move(first));
        return AtEnd() ? std::move(whole) : nullptr;
    }

private:
    bool AtEnd() const { return position == text.size(); }
    // A number or a parenthesised operation.
    std::unique_ptr<TermTree> ReadOperand() {
        if (AtEnd()) return nullptr;
        if (text[position] == '(') {
            ++position;
            auto first = ReadOperand();
            if (first == nullptr) return nullptr;
            auto whole = ReadRest(std::move(first));
            if (whole == nullptr || AtEnd() || text[position] != ')') return nullptr;
            ++position;
            return whole;
        }
        auto node = std::make_unique<TermTree>();
        const std::size_t start = position;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text[position])) && position - start < 6) {
            node->number = node->number * 10 + (text[position] - '0');
            ++position;
        }
        return position > start ? std::move(node) : nullptr;
    }
    // " op Y" after the left operand.
    std::unique_ptr<TermTree> ReadRest(std::unique_ptr<TermTree> first) {
        if (text.size() - position < 4 || text[position] != ' ' || text[position + 2] != ' ') return nullptr;
        const char sign = text[position + 1];
        if (std::string_view("+-*/").find(sign) == std::string_view::npos) return nullptr;
        position += 3;
        auto second = ReadOperand();
        if (second == nullptr) return nullptr;
        auto node = std::make_unique<TermTree>();
        node->sign = sign;
        node->left = std::move(first);
        node->right = std::move(second);
        return node;
    }
    std::string_view text;
    std::size_t position = 0;
};

}  // namespace

std::unique_ptr<TermTree> TermTree::Read(const std::string& text) { return TermReader(text).ReadTop(); }

int TermTree::Depth() const { return IsNumber() ? 0 : 1 + std::max(left->Depth(), right->Depth()); }

int TermTree::Value() const {
    if (IsNumber()) return number;
    const int a = left->Value();
    const int b = right->Value();
    switch (sign) {
        case '-':
            return a - b;
        case '*':
            return a * b;
        case '/':
            return b != 0 ? a / b : 0;
        default:
            return a + b;
    }
}

std::string TermTree::FirstFault(int largestProduct) const {
    if (IsNumber()) return (number >= 1 && number <= 19) ? "" : "number " + std::to_string(number);
    for (const TermTree* part : {left.get(), right.get()}) {
        std::string fault = part->FirstFault(largestProduct);
        if (!fault.empty()) return fault;
    }
    const int a = left->Value();
    const int b = right->Value();
    std::string fault = OperatorFault(sign, a, b, largestProduct);
    if (!fault.empty()) return fault;
    return Value() > 0 ? "" : std::to_string(a) + " " + sign + " " + std::to_string(b) + ": not positive";
}

std::string TermTree::OperatorFault(char sign, int a, int b, int largestProduct) {
    const std::string where = std::to_string(a) + " " + sign + " " + std::to_string(b) + ": ";
    const bool divides = a % b == 0;
    const bool smallProduct = a * b <= largestProduct;
    if ((sign == '/') != divides) return where + "division exactly when it divides";
    if (sign == '*' && !smallProduct) return where + "product too large";
    if (sign == '-' && (smallProduct || a < b)) {
        return where + "subtraction only when neither division nor multiplication fits";
    }
    if (sign == '+' && (smallProduct || a >= b)) return where + "addition only when nothing else fits";
    return "";
}
