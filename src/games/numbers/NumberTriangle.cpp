#include "games/numbers/NumberTriangle.h"

#include "app/Random.h"
#include "games/numbers/ArithmeticTerm.h"

NumberTriangle::NumberTriangle(int rowSize, int screenWidth) {
    // The top row centred on the screen, whether it has an odd or an even
    // number of boxes.
    float originX = static_cast<float>(screenWidth) / 2 - static_cast<float>(rowSize - 1) * kColumnStep / 2;
    float originY = static_cast<float>(screenWidth / 2 - (rowSize + 2) * static_cast<int>(kRowStep));
    std::size_t rowStart = 0;
    for (int row = 0; row < rowSize; ++row) {
        const int boxes = rowSize - row;
        const std::size_t aboveStart = rowStart;
        rowStart = nodes.size();
        for (int k = 0; k < boxes; ++k) {
            auto node = std::make_unique<TriangleNode>();
            node->x = originX + kColumnStep * static_cast<float>(k);
            node->y = originY;
            if (row == 0) {
                node->value = Random() % kLargestNumber + 1;
            } else {
                node->left = nodes[aboveStart + static_cast<std::size_t>(k)].get();
                node->right = nodes[aboveStart + static_cast<std::size_t>(k) + 1].get();
                Combine(*node);
            }
            nodes.push_back(std::move(node));
        }
        originX += kColumnStep / 2;
        originY += kRowStep;
    }
}

void NumberTriangle::Combine(TriangleNode& node) {
    const int a = node.left->value;
    const int b = node.right->value;
    node.op = arithmetic::FirstAllowedOperator(a, b, kLargestProduct);
    node.value = arithmetic::Apply(node.op, a, b);
}
