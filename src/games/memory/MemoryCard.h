#pragma once

#include "app/Sprite.h"
#include "games/memory/PairCard.h"

// A round card of the memory game: a disc of the given diameter around its
// centre. Face up it shows the picture of its pair number on a white disc,
// face down one of three back designs; a shadow lies under it either way.
class MemoryCard : public PairCard {
public:
    // The pictures: 65 x 65 cells of Memory_Muster, kPicturesPerRow to a row.
    static constexpr int kPictureCell = 65;
    static constexpr int kPicturesPerRow = 8;
    // The disc images of misc2 are 100 x 100: a size of 100 draws them unscaled.
    static constexpr double kImageSize = 100.0;

    MemoryCard(int pairNumber, Vec2 centre, double size, int backDesign);

    int PairNumber() const { return PairKey(); }
    Vec2 Centre() const { return centre; }
    double Size() const { return size; }
    int BackDesign() const { return backDesign; }

    double DistanceTo(float x, float y) const;
    // The card is a disc: hit up to half its size from the centre.
    bool HitTest(float x, float y) const override;
    void Draw() const override;

private:
    const Vec2 centre;
    const double size;
    const int backDesign;
};
