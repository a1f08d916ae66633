#include "platform/DrawList.h"

namespace platform {

namespace {

bool SameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool SameTransform(const Transform2D& a, const Transform2D& b) {
    return a.m11 == b.m11 && a.m12 == b.m12 && a.m21 == b.m21 && a.m22 == b.m22 && a.dx == b.dx && a.dy == b.dy;
}

}  // namespace

bool DrawCommand::operator==(const DrawCommand& other) const {
    return kind == other.kind && object == other.object && serial == other.serial && SameRect(rect, other.rect) &&
           SameTransform(transform, other.transform) && argb == other.argb && format == other.format &&
           text == other.text;
}

uint64_t NextDrawSerial() {
    static uint64_t serial = 0;
    return ++serial;
}

bool DrawList::NeedsShowing() const { return forced_ || executed_ > 0 || frame_ != shown_; }

void DrawList::EndFrame(bool shown) {
    if (shown) {
        shown_.swap(frame_);
        forced_ = false;
    }
    frame_.clear();
    executed_ = 0;
}

}  // namespace platform
