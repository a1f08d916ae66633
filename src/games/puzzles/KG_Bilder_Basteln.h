#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/puzzles/PictureShape.h"


// The picture building game: a picture of simple shapes, read from one of the
// archive's picture files, shows as grey silhouettes; the same shapes lie
// about at other places, sizes and angles, from the medium level on among
// extra pieces. The player drags a piece with the mouse, turns it (A, D, keypad
// minus and plus), resizes it (W, S, Home, End) and nudges it (arrow keys); a
// piece that fits a silhouette snaps onto it once it is let go. The play ends
// when every silhouette is covered. Saves to "bilder.sav".
//
// A picture without any target (missing, empty or unreadable) is replaced by
// the next picture file that has one; with none at all the play ends as failed
// at once.
class KG_Bilder_Basteln : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "bilder.sav";
    // The archive's picture files "bb_0" .. "bb_12".
    static constexpr int kPictureFiles = 13;
    // Random pieces added per level.
    static constexpr int kRandomPiecesPerLevel = 5;

    explicit KG_Bilder_Basteln(int level);
    ~KG_Bilder_Basteln() override = default;

    // Drags the grabbed piece while the button is held.
    void OnMouseMove(int x, int y) override;
    // Grabs the first piece under the point (or lets the grabbed one go).
    void OnLeftButtonDown(int x, int y) override;
    // Drops the grabbed piece at the point; it stays chosen for the keys.
    void OnLeftButtonUp(int x, int y) override;
    // Lets the chosen piece go.
    void OnRightButtonUp(int x, int y) override;
    // Turns, resizes or nudges the chosen piece.
    void OnKeyDown(uint16_t key) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    // Snaps every piece that fits a target (but the one held) and counts the
    // covered targets; ends the play when all are covered.
    void CheckFits();

    const std::vector<PictureShape>& Targets() const { return targets; }
    const std::vector<PictureShape>& Pieces() const { return pieces; }
    PictureShape& Piece(int index) { return pieces.at(static_cast<size_t>(index)); }
    // The chosen piece, or null.
    const PictureShape* SelectedPiece() const { return selectedPiece; }
    bool IsButtonDown() const { return buttonDown; }
    int Moves() const { return moves; }
    int Fitted() const { return fitted; }
    // The number of the picture file shown, -1 when none could be read.
    int PictureNumber() const { return pictureNumber; }

private:
    // Reads picture file n into the lists (emptied first): every target brings
    // a piece of its own at a random place, size and angle; extra pieces count
    // from level 1 on. False when the file cannot be opened.
    bool ReadPicture(int n);
    void AddRandomPieces();
    // Puts the piece at a random place kPlacementMargin or more from every
    // screen edge, drawing y first.
    void PlaceRandomly(PictureShape& piece) const;
    PictureShape* PieceAt(int x, int y);
    // After the chosen piece moved: a move more when it is not the piece of
    // the last counted move.
    void CountMove();

    std::vector<PictureShape> pieces;
    std::vector<PictureShape> targets;
    // Point into pieces, which does not change after construction.
    PictureShape* selectedPiece = nullptr;
    PictureShape* lastMovedPiece = nullptr;
    int moves = 0;
    bool buttonDown = false;
    int fitted = 0;
    int pictureNumber = -1;
};
