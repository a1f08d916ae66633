#include "TextInk.h"

#include <algorithm>
#include <cstddef>

InkBox FindInk(const std::vector<uint32_t>& pixels, int width, const platform::Rect& area, uint32_t background) {
    InkBox box;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (pixels[static_cast<size_t>(y) * width + x] == background) {
                continue;
            }
            if (box.pixels == 0) {
                box = InkBox{x, y, x + 1, y + 1, 0};
            }
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x + 1);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y + 1);
            ++box.pixels;
        }
    }
    return box;
}

int InkOutside(const std::vector<uint32_t>& pixels, int width, int height, const platform::Rect& inside,
               uint32_t background) {
    const int all = FindInk(pixels, width, platform::Rect{0, 0, width, height}, background).pixels;
    return all - FindInk(pixels, width, inside, background).pixels;
}
