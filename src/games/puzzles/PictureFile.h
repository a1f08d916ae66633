#pragma once

#include <istream>
#include <vector>

#include "games/puzzles/PictureShape.h"

// One object of a picture file: a target shape of the picture, or an extra
// piece that belongs to no target.
struct PictureObject {
    bool target = false;
    PictureShape shape;
};

// Reads a picture file: words separated by blanks, tabs or line breaks.
// "ZIELOBJEKT_START" makes the following objects targets, "BAUOBJEKT_START"
// extra pieces (as are objects before either word); any other word outside an
// object is skipped. An object runs from "OBJEKT_START" to "OBJEKT_END" and
// holds, in any order, "POSITON:" x y, "SCALE:" x y, "ROT:" degrees, "TYP:"
// type and "SFACTOR:" size factor; unknown words in it are skipped.
//
// Fields not given keep their defaults: position (0, 0), scale (1, 1),
// rotation 0, type 0, size factor 1.0. The rotation is brought into 0..359,
// the size factor into the range the keys keep to, positions and scales into
// +-kPictureCoordinateLimit; an object of a type without an image is left
// out. Reading stops at the first number that cannot be read or at an object
// the text ends in; the objects before it are kept.
std::vector<PictureObject> ReadPictureFile(std::istream& in);

inline constexpr double kPictureCoordinateLimit = 100000.0;
