#pragma once

#include <vector>

#include "games/numbers/ScreenBox.h"

// Where the change game lays its coins and notes out: each piece's centre and
// drawing scale.
struct MoneySpot {
    float x;
    float y;
    double scale;
};

// Rows for pieces of the values inside the area, the largest first: notes in
// rows of their own above the coins' rows, as many to a row as fit with `gap`
// between neighbours, each row centred across the area, the rows from the
// area's top down, `gap` apart. When the rows do not fit the area at the
// usual scales, every piece is shrunk by the same factor until they do, so
// that no piece ever lies on another. The spots come in the order of the
// values given.
std::vector<MoneySpot> LayOutInRows(const std::vector<int>& cents, const ScreenBox& area, float gap);

// The supply's stacks along the bottom of the screen, one of each value given
// (from the smallest): the notes in a row whose foot is `bottom`, the coins in
// a row above it (alone at the bottom when there are no notes). Each row is
// centred on the screen, its stacks at most kSupplyMostGap apart; a row that
// does not fit the screen's width with kSupplyLeastGap between its stacks is
// shrunk until it does. The spots come in the order of the values given.
inline constexpr float kSupplyMostGap = 40.0f;
inline constexpr float kSupplyLeastGap = 8.0f;
std::vector<MoneySpot> LayOutSupply(const std::vector<int>& cents, float screenWidth, float bottom);
