#pragma once

#include <memory>
#include <vector>

// One box of a number triangle: a number of the top row, or below it the
// operation that combines its two upper neighbours, with the result.
struct TriangleNode {
    // A top-row number, or the result of the operation.
    int value = 0;
    // Upper-left and upper-right neighbours; null in the top row.
    const TriangleNode* left = nullptr;
    const TriangleNode* right = nullptr;
    // The operation (arithmetic::kAdd ...) of a lower node.
    int op = 0;
    // Centre of the box on the screen.
    float x = 0.0f;
    float y = 0.0f;

    bool InTopRow() const { return left == nullptr; }
};

// A triangle of numbers: a top row of random numbers 1 to 20 and below it rows
// of one box fewer each, every box combining the two above it, down to the
// single result at the bottom. The operation of a box is the first of
// division (without a remainder), multiplication (up to 100), subtraction (not
// below 0) and addition that applies, so every value is a whole number of at
// least 1.
class NumberTriangle {
public:
    static constexpr int kLargestNumber = 20;
    static constexpr int kLargestProduct = 100;
    // Distance of neighbouring boxes in a row, and of one row to the next.
    static constexpr float kColumnStep = 80.0f;
    static constexpr float kRowStep = 60.0f;

    // Draws the top row's numbers from left to right. The rows stand on the
    // screen's width: the top row starts (rowSize / 2) steps left of its
    // middle, at a height of half the width less (rowSize + 2) row steps;
    // each row below starts half a step further right.
    NumberTriangle(int rowSize, int screenWidth);

    // The single box of the bottom row.
    const TriangleNode& Root() const { return *nodes.back(); }
    // Every box, row by row from the top, each row from the left.
    const std::vector<std::unique_ptr<TriangleNode>>& Nodes() const { return nodes; }

    // Sets the node's operation and value from its two upper neighbours.
    static void Combine(TriangleNode& node);

private:
    std::vector<std::unique_ptr<TriangleNode>> nodes;
};
