#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Renderer.h"

namespace platform {

// The width in pixels of one line of text as a font would draw it.
using TextMeasure = std::function<int(std::string_view)>;

// One line of laid-out text: its characters and the top-left corner of its
// cell (the cell is width x line height).
struct TextLine {
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
};

// Splits text into lines and places them in rect, lines advancing by
// lineHeight, according to the dt:: flags:
//  - "\n" starts a new line ("\r" is ignored) unless dt::SingleLine is set,
//    which drops line breaks; dt::WordBreak also wraps at blanks to the
//    rectangle's width, breaking a word that is wider than a whole line;
//  - each line is left-aligned, centred (dt::Center) or right-aligned
//    (dt::Right) on its own;
//  - the block of lines starts at the top, is centred as a whole
//    (dt::VCenter) or ends at the bottom (dt::Bottom);
//  - without dt::NoClip, lines lying wholly outside rect are left out
//    (lines crossing its edge are kept: the caller clips them).
// Empty lines take their place in the block but are not returned.
std::vector<TextLine> LayoutText(std::string_view text, const Rect& rect, uint32_t format, int lineHeight,
                                 const TextMeasure& measure);

// Clips an unscaled image placed at dest (its source the same size at
// (0, 0)) to clip: shrinks dest and moves source's edges with it. False when
// nothing of it lies inside clip.
bool ClipToRect(const Rect& clip, Rect& dest, Rect& source);

}  // namespace platform
