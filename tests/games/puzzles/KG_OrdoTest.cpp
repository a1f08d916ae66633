#include "games/puzzles/KG_Ordo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "PuzzleGameFixture.h"
#include "app/Random.h"
#include "games/puzzles/AtomRay.h"

namespace {

using Cells = std::vector<std::pair<int, int>>;

AtomGrid Grid(const Cells& cells) {
    AtomGrid grid{};
    for (const auto& [i, j] : cells) grid[static_cast<size_t>(i)][static_cast<size_t>(j)] = true;
    return grid;
}

// The atoms game on a board of the test's choosing.
class BoardOrdo : public KG_Ordo {
public:
    BoardOrdo(int level, const Cells& cells) : KG_Ordo(level) { SetAtoms(Grid(cells)); }
};

class OrdoTest : public PuzzleGameFixture {
protected:
    static void ClickCell(KG_Ordo& game, int column, int row) {
        game.OnLeftButtonDown(static_cast<int>(game.CellX(column)), static_cast<int>(game.CellY(row)));
        game.OnLeftButtonUp(static_cast<int>(game.CellX(column)), static_cast<int>(game.CellY(row)));
    }
    static void ClickLamp(KG_Ordo& game, int column, int row) {
        const RayLamp& lamp = game.Lamp(KG_Ordo::LampAt(column, row));
        game.OnLeftButtonDown(static_cast<int>(lamp.x), static_cast<int>(lamp.y));
        game.OnLeftButtonUp(static_cast<int>(lamp.x), static_cast<int>(lamp.y));
    }
    // The check button sits at the bottom centre of the screen.
    void ClickCheck(KG_Ordo& game) {
        const int x = app->screenWidth / 2;
        const int y = app->screenHeight - 50;
        game.OnLeftButtonDown(x, y);
        game.OnLeftButtonUp(x, y);
    }
};

TEST_F(OrdoTest, RaysAreAbsorbedReflectedTurnedOrPassOnHandMadeBoards) {
    using End = RayPath::End;
    // column, row: the lamp
    const struct { const char* name; Cells atoms; int column, row; End end; int endColumn, endRow, steps; } cases[] = {
        {"straight through", {}, -1, 3, End::Exited, 8, 3, 8},
        {"straight into an atom", {{0, 3}}, -1, 3, End::Absorbed, 0, 3, 0},
        {"into an atom further down", {{5, 6}}, 5, -1, End::Absorbed, 5, 6, 6},
        {"reflected by the atom above the entry", {{0, 2}}, -1, 3, End::Reflected, 0, 2, 0},
        {"reflected at the top", {{1, 0}}, 0, -1, End::Reflected, 1, 0, 0},
        {"turned down by an atom ahead above", {{4, 2}}, -1, 3, End::Exited, 3, 8, 8},
        {"turned up by an atom ahead below", {{4, 4}}, -1, 3, End::Exited, 3, -1, 7},
        {"from below, turned right", {{1, 3}}, 2, 8, End::Exited, 8, 4, 9},
        {"between two atoms it turns back", {{2, 2}, {2, 4}}, -1, 3, End::Exited, -1, 3, 3},
        {"turned twice", {{4, 2}, {2, 5}}, -1, 3, End::Exited, 8, 4, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RayPath path = TraceRay(Grid(c.atoms), c.column, c.row);
        EXPECT_EQ(path.end, c.end);
        EXPECT_EQ(path.column, c.endColumn);
        EXPECT_EQ(path.row, c.endRow);
        EXPECT_EQ(path.steps, c.steps);
    }
}

TEST_F(OrdoTest, LampsLightInTheColourOfTheirRay) {
    BoardOrdo game(1, {{4, 2}, {0, 6}});
    game.StartGame();
    // The ray from the left of row 3 comes out below column 3: both lamps lit
    // in the first ray's colour, each knowing the other's place.
    ClickLamp(game, -1, 3);
    const RayLamp& in = game.Lamp(KG_Ordo::LampAt(-1, 3));
    const RayLamp& out = game.Lamp(KG_Ordo::LampAt(3, 8));
    EXPECT_EQ(std::make_pair(in.partnerColumn, in.partnerRow), std::make_pair(3, 8));
    EXPECT_EQ(std::make_pair(out.partnerColumn, out.partnerRow), std::make_pair(-1, 3));
    EXPECT_TRUE(in.lit && out.lit && in.colour == KG_Ordo::RayColour(1) && out.colour == in.colour);
    // A lit lamp, fired or lit by a ray, does not fire.
    ClickLamp(game, 3, 8);
    ClickLamp(game, -1, 3);
    EXPECT_EQ(game.Rays(), 1);
}

TEST_F(OrdoTest, TheCheckShowsTheAtomsAndEndsThePlay) {
    // marked: how many of the atoms; extra: empty cells marked; seconds: when the play ends
    const struct { const char* name; int level, marked, extra; double seconds; int state; double grade; }
    cases[] = {
        {"every atom", 1, 5, 0, 60.0, Knobel_Game::STATE_FINISHED, 1.5},
        // A wrong mark takes a found atom back: 1 / 5 x 5 + 1 + 0.5.
        {"every atom and one cell more", 0, 5, 1, 30.0, Knobel_Game::STATE_FAILED, 2.5},
        {"every cell", 1, 5, 59, 20.0, Knobel_Game::STATE_FAILED, 6.0},
        {"three of five", 1, 3, 0, 60.0, Knobel_Game::STATE_FAILED, 4.0},
        {"six of eight and one more", 2, 6, 1, 240.0, Knobel_Game::STATE_FAILED, 6.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRandom(99);
        KG_Ordo game(c.level);
        ASSERT_EQ(game.Atoms(), c.level == 2 ? 8 : 5);
        game.StartGame();
        int marked = 0;
        int extra = c.extra;
        for (int i = 0; i < kBoardSize; ++i) {
            for (int j = 0; j < kBoardSize; ++j) {
                if (game.HasAtom(i, j) && marked < c.marked) {
                    ClickCell(game, i, j);
                    ++marked;
                } else if (!game.HasAtom(i, j) && extra > 0) {
                    ClickCell(game, i, j);
                    --extra;
                }
            }
        }
        ASSERT_EQ(marked, c.marked);
        // Checked, and checked again half a second later; the frame that
        // ends the play adds no more time.
        const bool solved = c.state == Knobel_Game::STATE_FINISHED;
        const double shown = solved ? KG_Ordo::kSolvedSeconds : KG_Ordo::kFailedSeconds;
        Frames(game, static_cast<int>((c.seconds - shown - 0.5 + kFrame) / kFrame));
        ClickCheck(game);
        EXPECT_EQ(game.IsSolved(), solved);
        EXPECT_EQ(game.EndTimer(), shown);
        // While the atoms are shown the board takes no clicks; the check can
        // be pressed again and starts the time over.
        const int marks = game.Marks();
        ClickCell(game, 0, 0);
        ClickLamp(game, -1, 0);
        EXPECT_EQ(game.Marks(), marks);
        EXPECT_EQ(game.Rays(), 0);
        Frames(game, 4);
        ClickCheck(game);
        EXPECT_EQ(game.EndTimer(), shown);
        Frames(game, static_cast<int>(shown / kFrame) - 1);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
        Frames(game, 1);
        EXPECT_EQ(game.GetState(), c.state);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), c.grade);
    }
}

// Atoms no ray can tell apart from the marks: the player cannot know better.
TEST_F(OrdoTest, MarksThatExplainEveryRayAreRightWhereverTheAtomsHide) {
    const Cells hidden{{2, 3}, {3, 5}, {6, 1}, {6, 2}, {7, 4}};
    const struct { const char* name; Cells marks; bool solved; } cases[] = {
        {"the atoms' own cells", hidden, true},
        {"another cell no ray tells apart", {{2, 3}, {3, 5}, {6, 1}, {6, 4}, {7, 4}}, true},
        {"a cell a ray tells apart", {{2, 3}, {3, 5}, {6, 1}, {5, 4}, {7, 4}}, false},
        {"the same rays with a mark too many", {{2, 3}, {3, 5}, {6, 1}, {6, 2}, {6, 4}, {7, 4}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoardOrdo game(1, hidden);
        game.StartGame();
        for (const auto& [i, j] : c.marks) ClickCell(game, i, j);
        ClickCheck(game);
        EXPECT_EQ(game.IsSolved(), c.solved);
        if (c.solved) {
            // The atoms are shown where the player put them, every one found.
            for (const auto& [i, j] : c.marks) EXPECT_TRUE(game.HasAtom(i, j));
            // Ended while they are shown, the play still counts as solved.
            game.SetState(Knobel_Game::STATE_ABORTED);
            game.ComputeGrade();
            EXPECT_LE(game.GetGrade(), Knobel_Game::kSolvedGrade);
        }
    }
}

// Lamps of one ray share a colour and are matched by it: the colours must be
// told apart from each other, from the marks and from the board.
TEST_F(OrdoTest, EveryRayColourStandsApartFromTheOthersAndFromTheMarks) {
    // The "redmean" approximation of how far apart two colours look.
    const auto distance = [](uint32_t a, uint32_t b) {
        const auto part = [](uint32_t c, int shift) { return static_cast<double>((c >> shift) & 0xFFu); };
        const double red = (part(a, 16) + part(b, 16)) / 2.0;
        const double dr = part(a, 16) - part(b, 16);
        const double dg = part(a, 8) - part(b, 8);
        const double db = part(a, 0) - part(b, 0);
        return std::sqrt((2.0 + red / 256.0) * dr * dr + 4.0 * dg * dg + (2.0 + (255.0 - red) / 256.0) * db * db);
    };
    // 32 lamps: at most 16 rays come out.
    for (int pair = 1; pair <= 16; ++pair) {
        const uint32_t colour = KG_Ordo::RayColour(pair);
        for (const uint32_t other : {KG_Ordo::kMarkColour, 0xFFFFFFFFu, 0xFF7F7F7Fu}) {
            EXPECT_GT(distance(colour, other), 80.0) << pair;
        }
        for (int before = 1; before < pair; ++before) {
            EXPECT_GT(distance(colour, KG_Ordo::RayColour(before)), 100.0) << before << " and " << pair;
        }
    }
}

}  // namespace
