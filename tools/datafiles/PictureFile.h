#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "PictureShape.h"

// The range of size factors the piece controls keep to.
constexpr double kMinSizeFactor = 0.4;
constexpr double kMaxSizeFactor = 2.0;

// One object of a picture file with the values as written (defaults where a
// field is not given: position (0, 0), scale (0, 0), rotation 0, type 0,
// size factor 1.0).
struct PictureObject {
    bool target = false;  // read in a target section, else an extra piece
    bool hasScale = false;  // "SCALE:" was given
    PictureShape values{.scaleX = 0, .scaleY = 0};  // rotation and size unguarded
};

// A picture file of the picture building game: its objects in file order.
struct PictureFile {
    std::vector<PictureObject> objects;
    // False when reading stopped early: a number could not be read, or the
    // text ended inside an object (that object is dropped).
    bool complete = true;
};

// Reads a picture file: whitespace-separated words; "ZIELOBJEKT_START" makes
// the following objects targets, "BAUOBJEKT_START" extra pieces (also before
// any marker); "OBJEKT_START" ... "OBJEKT_END" holds the keys "POSITON:" x y,
// "SCALE:" x y, "ROT:" degrees, "TYP:" type and "SFACTOR:" factor in any
// order, unknown words skipped. Every other word outside an object is ignored.
PictureFile ReadPictureFile(std::string_view text);

// The shape the game makes of an object: nothing for a type without an image
// cell; the rotation normalised; a missing scale read as (1, 1); a target's
// size factor kept within the range the piece controls reach.
std::optional<PictureShape> ToShape(const PictureObject& object);
