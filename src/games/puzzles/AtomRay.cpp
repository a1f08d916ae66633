#include "games/puzzles/AtomRay.h"

#include <cstddef>

namespace {

struct Cell {
    int column;
    int row;
};

constexpr int kColumnStep[] = {0, 0, 1, -1};
constexpr int kRowStep[] = {-1, 1, 0, 0};
constexpr int kReverse[] = {RAY_DOWN, RAY_UP, RAY_LEFT, RAY_RIGHT};

// The two cells diagonally ahead of (i, j) for each direction, and the
// direction an atom in each of them turns the ray to.
constexpr int kFirstColumn[] = {-1, -1, 1, -1};
constexpr int kFirstRow[] = {-1, 1, -1, -1};
constexpr int kFirstTurn[] = {RAY_RIGHT, RAY_RIGHT, RAY_DOWN, RAY_DOWN};
constexpr int kSecondColumn[] = {1, 1, 1, -1};
constexpr int kSecondRow[] = {-1, 1, 1, 1};
constexpr int kSecondTurn[] = {RAY_LEFT, RAY_LEFT, RAY_UP, RAY_UP};

int EntryDirection(int column, int row) {
    if (column < 0) {
        return RAY_RIGHT;
    }
    if (column >= kBoardSize) {
        return RAY_LEFT;
    }
    if (row < 0) {
        return RAY_DOWN;
    }
    return RAY_UP;
}

bool AtomAt(const AtomGrid& atoms, int column, int row) {
    return OnBoard(column, row) && atoms[static_cast<size_t>(column)][static_cast<size_t>(row)];
}

}  // namespace

bool OnBoard(int column, int row) { return column >= 0 && column < kBoardSize && row >= 0 && row < kBoardSize; }

bool SameRays(const AtomGrid& first, const AtomGrid& second) {
    const auto alike = [&](int column, int row) {
        const RayPath a = TraceRay(first, column, row);
        const RayPath b = TraceRay(second, column, row);
        return a.end == b.end && (a.end != RayPath::End::Exited || (a.column == b.column && a.row == b.row));
    };
    for (int k = 0; k < kBoardSize; ++k) {
        if (!alike(-1, k) || !alike(kBoardSize, k) || !alike(k, -1) || !alike(k, kBoardSize)) {
            return false;
        }
    }
    return true;
}

RayPath TraceRay(const AtomGrid& atoms, int column, int row) {
    RayPath path;
    int direction = EntryDirection(column, row);
    Cell p{column, row};
    for (;;) {
        if (path.steps >= kMostRaySteps) {
            path.end = RayPath::End::Absorbed;
            path.column = p.column;
            path.row = p.row;
            return path;
        }
        const Cell ahead{p.column + kColumnStep[direction], p.row + kRowStep[direction]};
        if (AtomAt(atoms, ahead.column, ahead.row)) {
            path.end = RayPath::End::Absorbed;
            path.column = ahead.column;
            path.row = ahead.row;
            return path;
        }
        const Cell diagonals[] = {{p.column + kFirstColumn[direction], p.row + kFirstRow[direction]},
                                  {p.column + kSecondColumn[direction], p.row + kSecondRow[direction]}};
        const int turns[] = {kFirstTurn[direction], kSecondTurn[direction]};
        bool deflected[] = {false, false};
        for (int side = 0; side < 2; ++side) {
            if (!AtomAt(atoms, diagonals[side].column, diagonals[side].row)) {
                continue;
            }
            if (path.steps == 0) {
                path.end = RayPath::End::Reflected;
                path.column = diagonals[side].column;
                path.row = diagonals[side].row;
                return path;
            }
            deflected[side] = true;
        }
        if (deflected[0] && deflected[1]) {
            p = {p.column - kColumnStep[direction], p.row - kRowStep[direction]};
            direction = kReverse[direction];
        } else if (deflected[0] || deflected[1]) {
            direction = turns[deflected[0] ? 0 : 1];
            p = {p.column + kColumnStep[direction], p.row + kRowStep[direction]};
        } else {
            p = ahead;
        }
        if (!OnBoard(p.column, p.row)) {
            path.end = RayPath::End::Exited;
            path.column = p.column;
            path.row = p.row;
            return path;
        }
        ++path.steps;
    }
}
