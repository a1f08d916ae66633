// The picture building game's picture files (bb_0 ... bb_12 in the archive).
#include <cmath>
#include <sstream>

#include "FuzzTargets.h"
#include "games/puzzles/PictureFile.h"
#include "media/ArchiveStream.h"

namespace {

bool Within(float value) { return std::isfinite(value) && std::fabs(value) <= kPictureCoordinateLimit; }

}  // namespace

bool FuzzPictureFile(const uint8_t* data, size_t size) {
    std::istringstream in(ToPlainLineEnds(FuzzText(data, size)));
    const std::vector<PictureObject> objects = ReadPictureFile(in);
    // Every object needs its own "OBJEKT_START" (12 characters) and a separator.
    if (objects.size() > size / 13) {
        return false;
    }
    for (const PictureObject& object : objects) {
        const PictureShape& s = object.shape;
        if (s.type < 0 || s.type >= PictureShape::kTypes || s.rotation < 0 || s.rotation > 359 ||
            !(s.sizeFactor >= PictureShape::kMinSizeFactor && s.sizeFactor <= PictureShape::kMaxSizeFactor) ||
            !Within(s.x) || !Within(s.y) || !Within(s.scaleX) || !Within(s.scaleY)) {
            return false;
        }
    }
    return true;
}
