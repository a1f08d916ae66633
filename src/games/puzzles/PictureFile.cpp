#include "games/puzzles/PictureFile.h"

#include <algorithm>
#include <cmath>
#include <locale>
#include <string>

namespace {

bool ReadCoordinate(std::istream& in, float& value) {
    double number = 0.0;
    if (!(in >> number) || !std::isfinite(number)) {
        return false;
    }
    value = static_cast<float>(std::clamp(number, -kPictureCoordinateLimit, kPictureCoordinateLimit));
    return true;
}

bool ReadPair(std::istream& in, float& first, float& second) {
    return ReadCoordinate(in, first) && ReadCoordinate(in, second);
}

// Reads the fields after "OBJEKT_START" up to "OBJEKT_END"; false when a
// number cannot be read or the text ends first.
bool ReadObject(std::istream& in, PictureShape& shape) {
    std::string key;
    while (in >> key) {
        bool read = true;
        if (key == "OBJEKT_END") {
            return true;
        } else if (key == "POSITON:") {
            read = ReadPair(in, shape.x, shape.y);
        } else if (key == "SCALE:") {
            read = ReadPair(in, shape.scaleX, shape.scaleY);
        } else if (key == "ROT:") {
            read = static_cast<bool>(in >> shape.rotation);
        } else if (key == "TYP:") {
            read = static_cast<bool>(in >> shape.type);
        } else if (key == "SFACTOR:") {
            read = static_cast<bool>(in >> shape.sizeFactor) && std::isfinite(shape.sizeFactor);
        }
        if (!read) {
            return false;
        }
    }
    return false;
}

}  // namespace

std::vector<PictureObject> ReadPictureFile(std::istream& in) {
    in.imbue(std::locale::classic());
    std::vector<PictureObject> objects;
    bool targets = false;
    std::string word;
    while (in >> word) {
        if (word == "ZIELOBJEKT_START") {
            targets = true;
        } else if (word == "BAUOBJEKT_START") {
            targets = false;
        } else if (word == "OBJEKT_START") {
            PictureObject object{targets, PictureShape{}};
            PictureShape& shape = object.shape;
            if (!ReadObject(in, shape)) {
                break;
            }
            if (shape.type < 0 || shape.type >= PictureShape::kTypes) {
                continue;
            }
            shape.rotation = NormalizedDegrees(shape.rotation);
            shape.sizeFactor =
                std::clamp(shape.sizeFactor, PictureShape::kMinSizeFactor, PictureShape::kMaxSizeFactor);
            objects.push_back(object);
        }
    }
    return objects;
}
