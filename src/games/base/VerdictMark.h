#pragma once

#include <cstdint>

// The verdict on an answer as every game shows it: a green tick beside a right
// answer, a red cross beside a wrong one, and the solution of a wrong answer
// in the colour of a right one, so that it never reads as the player's mistake.
namespace verdict {

// The colour of a solution shown after a wrong answer: dark green, readable
// on the white answer boxes.
inline constexpr uint32_t kSolutionColour = 0xFF1B7A3Au;
// The side of the mark's square.
inline constexpr float kMarkSide = 50.0f;

struct Corner {
    float x;
    float y;
};

// Where the mark of an answer box goes: right of the box, `gap` away and
// level with it, while that stays on the screen (a margin from its right
// edge); else under the box, centred.
Corner MarkCorner(float boxLeft, float boxTop, float boxRight, float boxBottom, float gap, float screenWidth);

// The tick (right) or the cross (wrong) with its top-left corner at (x, y).
void DrawMark(bool right, float x, float y);
// The same beside the answer box, at MarkCorner.
void DrawMarkBeside(bool right, float boxLeft, float boxTop, float boxRight, float boxBottom, float gap = 0.0f);

}  // namespace verdict
