#pragma once

#include <array>

// The hidden board of the atoms game: column i, row j, each 0 .. 7 (i to the
// right, j downwards); true where a cell holds an atom (or, for the player's
// side, a mark).
constexpr int kBoardSize = 8;
using AtomGrid = std::array<std::array<bool, kBoardSize>, kBoardSize>;

// Directions of a ray.
enum RayDirection { RAY_UP = 0, RAY_DOWN = 1, RAY_RIGHT = 2, RAY_LEFT = 3 };

// Where a ray ends.
struct RayPath {
    enum class End { Absorbed, Reflected, Exited };
    End end = End::Exited;
    // Absorbed: the atom it ran into; Reflected: the atom diagonally ahead of
    // the entry that sent it back; Exited: the board position outside the
    // board where it left (a lamp's position).
    int column = 0;
    int row = 0;
    // Cells the ray crossed.
    int steps = 0;
};

// A walk longer than this is taken as absorbed, so that no arrangement of
// atoms or marks can keep a ray going for ever.
constexpr int kMostRaySteps = 256;

// Whether (column, row) lies on the board.
bool OnBoard(int column, int row);

// The walk of a ray sent in from the lamp at board position (column, row)
// just outside the board (-1 or 8 on one axis). An atom straight ahead
// absorbs it; an atom diagonally ahead turns it away at a right angle, and
// one on each side sends it back the way it came; an atom diagonally ahead of
// its entry reflects it at once.
RayPath TraceRay(const AtomGrid& atoms, int column, int row);

// Whether every one of the 32 rays ends alike on the two boards: absorbed,
// reflected, or out at the same place. No ray can tell such boards apart.
bool SameRays(const AtomGrid& first, const AtomGrid& second);
