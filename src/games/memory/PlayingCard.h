#pragma once

#include "app/Sprite.h"
#include "games/memory/PairCard.h"

// A playing card of the card memory game: a rectangle at its top-left corner.
// Its face (0..51) is a picture on one of the two card sheets; face down it
// shows the common back, and the back's shape in black is its shadow.
class PlayingCard : public PairCard {
public:
    static constexpr int kFaces = 52;
    // Faces are 88 x 128 cells, kFacesPerRow to a row; the first sheet holds
    // the first kFacesPerSheet faces.
    static constexpr int kCellWidth = 88;
    static constexpr int kCellHeight = 128;
    static constexpr int kFacesPerRow = 4;
    static constexpr int kFacesPerSheet = 28;

    PlayingCard(int face, Vec2 position, Vec2 size);

    int Face() const { return PairKey(); }
    Vec2 Position() const { return position; }
    Vec2 Size() const { return size; }

    // Hit on the rectangle, its edges included.
    bool HitTest(float x, float y) const override;
    void Draw() const override;

    // The sheet (TEX_MEMORYCARDS1 or TEX_MEMORYCARDS2) and cell of a face.
    static int FaceSheet(int face);
    static platform::Rect FaceCell(int face);

private:
    const Vec2 position;
    const Vec2 size;
};
