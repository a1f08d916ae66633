#pragma once

#include <cstdint>

struct SheetRegion;

// The 50 x 50 square of the puzzle boards (holes, score boxes, atom cells,
// lamps), drawn from misc1 centred on (x, y), tinted by the colour.
void DrawBoardSquare(float x, float y, uint32_t colour);
// Draws another 50 x 50 region of misc1 (a sign over a square) centred on (x, y).
void DrawBoardSign(const SheetRegion& sign, float x, float y);
// Whether (px, py) lies within 25 pixels of (x, y) on both axes, bounds included.
bool WithinSquare(float x, float y, int px, int py);
