#pragma once

#include <cstdint>
#include <vector>

#include "platform/Renderer.h"

// Where text left ink on a plain background: the bounding box of every
// pixel that differs from the background (right and bottom exclusive).
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int pixels = 0;  // how many pixels differ

    bool Empty() const { return pixels == 0; }
    double CentreX() const { return (left + right) / 2.0; }
    double CentreY() const { return (top + bottom) / 2.0; }
};

// The ink within area of a width-wide ARGB pixel buffer.
InkBox FindInk(const std::vector<uint32_t>& pixels, int width, const platform::Rect& area, uint32_t background);

// How many pixels outside inside differ from the background.
int InkOutside(const std::vector<uint32_t>& pixels, int width, int height, const platform::Rect& inside,
               uint32_t background);
