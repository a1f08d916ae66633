#pragma once

#include <string>
#include <vector>

#include "Rect.h"

// What the game needs from a region's pixels.
enum class Coverage {
    Opaque,   // every pixel fully opaque: backgrounds, veils (drawn stretched)
    Body,     // fully opaque in the middle, edges and corners free: panels, buttons
    Shape,    // a figure with transparent corners: discs, round ends, banners
    Pointer,  // mouse pointer frame: tip at pixel (8, 14), transparent around it
    Free,     // anything goes
};

// One region of a texture sheet as the game addresses it.
struct RegionInfo {
    std::string texture;  // archive entry, e.g. "menu2.PNG"
    std::string name;     // short label, unique within its texture
    Rect rect;
    Coverage coverage;
    bool painted;  // drawn by the generator today (false: game art still to come)
    bool tinted = false;  // drawn in colours (peg colours, selection): kept grey so the tint shows true
};

// Every region of every texture the game draws from, in one table: the sheet
// painters take their rectangles from here, the contact sheets outline them
// and the tests check the pixels against the coverage.
const std::vector<RegionInfo>& RegionMap();

// The region of that texture and name; throws std::out_of_range when unknown.
const RegionInfo& FindRegion(const std::string& texture, const std::string& name);
Rect RegionRect(const std::string& texture, const std::string& name);
