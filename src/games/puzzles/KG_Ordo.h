#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "app/Font.h"
#include "games/base/Knobel_Game.h"
#include "games/puzzles/AtomRay.h"
#include "games/puzzles/RayLamp.h"

// The hidden atoms game: 5 atoms (8 on the hard level) hide on an 8 x 8
// board with 32 lamps around it. Clicking an unlit lamp sends a ray in (see
// TraceRay); where it comes out, the exit lamp lights in the colour of the
// entry lamp; an absorbed or reflected ray marks its lamp. The player marks
// the cells believed to hold atoms and presses the check button: the atoms
// are shown for 2 seconds when every atom and nothing else is marked, else
// for 4, and the play ends. On the easy level a sign warns at every lamp whose
// ray the marks would not explain. Any marking of as many cells as there are
// atoms that gives every ray the result the atoms give is right. Saves to
// "thinkbox.sav"; draws its own help panel with a picture.
class KG_Ordo : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "thinkbox.sav";
    static constexpr int kLamps = 32;
    // Seconds the atoms are shown after a check that found them all, or not.
    static constexpr double kSolvedSeconds = 2.0;
    static constexpr double kFailedSeconds = 4.0;
    // The colour of a marked cell: a dark slate no ray colour comes near.
    static constexpr uint32_t kMarkColour = 0xFF34495Eu;

    explicit KG_Ordo(int level);
    ~KG_Ordo() override = default;

    // Marks or unmarks a cell, or fires an unlit lamp.
    void OnLeftButtonDown(int x, int y) override;
    // The check button.
    void OnLeftButtonUp(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;
    // The help text in a column on the left, the help picture on the right.
    void DrawHelpText(GUIElement* element, int left, int top, int right, int bottom, float x, float y,
                      float scaleX, float scaleY, Font* font) override;

    int Atoms() const { return atomCount; }
    int Marks() const { return markCount; }
    int Rays() const { return rays; }
    bool HasHelpLevel() const { return help; }
    bool IsSolved() const { return solved; }
    double EndTimer() const { return endTimer; }
    bool HasAtom(int column, int row) const { return atoms[Index(column)][Index(row)]; }
    bool IsMarked(int column, int row) const { return marks[Index(column)][Index(row)]; }
    // The centre of a cell on the screen.
    float CellX(int column) const;
    float CellY(int row) const;
    const RayLamp& Lamp(int index) const { return lamps.at(static_cast<size_t>(index)); }
    // The index of the lamp at a board position outside the board.
    static int LampAt(int column, int row);
    // The colour of the pair of lamps lit by the pair-th ray that came out
    // (from 1).
    static uint32_t RayColour(int pair);

protected:
    // Hides the atoms of the grid instead of those placed at random.
    void SetAtoms(const AtomGrid& grid);

private:
    static size_t Index(int i) { return static_cast<size_t>(i); }
    void Fire(RayLamp& lamp);
    // Easy level: marks every lit lamp whose result the marks would not give.
    void CheckDoubts();
    bool Revealing() const { return endTimer > 0.0; }
    // The atoms that carry a mark less the marks on empty cells, at least 0.
    int FoundAtoms() const;
    // The marks on atoms, or on empty cells.
    int CountMarks(bool onAtoms) const;

    std::unique_ptr<Font> font;
    double endTimer = 0.0;
    bool help;
    int atomCount;
    int markCount = 0;
    bool solved = false;
    int rays = 0;
    // Rays that came out, lighting a pair of lamps.
    int pairs = 0;
    AtomGrid atoms{};
    AtomGrid marks{};
    std::array<RayLamp, kLamps> lamps{};
};
