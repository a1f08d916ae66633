#include "PictureFile.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "settings/TokenReader.h"

namespace {

bool ReadFinite(TokenReader& reader, double& value) { return reader.ReadDouble(value) && std::isfinite(value); }

// Reads the fields up to "OBJEKT_END"; false when a number cannot be read or
// the text ends first.
bool ReadObject(TokenReader& reader, PictureObject& object) {
    PictureShape& v = object.values;
    std::string key;
    while (reader.NextWord(key)) {
        bool read = true;
        if (key == "OBJEKT_END") {
            return true;
        } else if (key == "POSITON:") {
            read = ReadFinite(reader, v.x) && ReadFinite(reader, v.y);
        } else if (key == "SCALE:") {
            read = ReadFinite(reader, v.scaleX) && ReadFinite(reader, v.scaleY);
            object.hasScale = true;
        } else if (key == "ROT:") {
            read = reader.ReadInt(v.rotation);
        } else if (key == "TYP:") {
            read = reader.ReadInt(v.type);
        } else if (key == "SFACTOR:") {
            read = ReadFinite(reader, v.sizeFactor);
        }
        if (!read) {
            return false;
        }
    }
    return false;
}

}  // namespace

PictureFile ReadPictureFile(std::string_view text) {
    const std::string plain = NormalizeLineEnds(text);
    TokenReader reader(plain);
    PictureFile file;
    bool targets = false;
    std::string word;
    while (reader.NextWord(word)) {
        if (word == "ZIELOBJEKT_START") {
            targets = true;
        } else if (word == "BAUOBJEKT_START") {
            targets = false;
        } else if (word == "OBJEKT_START") {
            PictureObject object;
            object.target = targets;
            if (!ReadObject(reader, object)) {
                file.complete = false;
                break;
            }
            file.objects.push_back(object);
        }
    }
    return file;
}

std::optional<PictureShape> ToShape(const PictureObject& object) {
    PictureShape shape = object.values;
    if (shape.type < 0 || shape.type >= kShapeTypes) {
        return std::nullopt;
    }
    shape.rotation = NormalizedDegrees(shape.rotation);
    if (!object.hasScale) {
        shape.scaleX = 1;
        shape.scaleY = 1;
    }
    if (object.target) {
        shape.sizeFactor = std::clamp(shape.sizeFactor, kMinSizeFactor, kMaxSizeFactor);
    }
    return shape;
}
