#pragma once

#include <functional>
#include <string>
#include <vector>

#include "AssetFiles.h"
#include "Rect.h"
#include "RegionMap.h"

// Pixel measurements the game-art tests share, in sheet coordinates unless a
// name says otherwise.

// Number of pixels of a rectangle for which `test(x, y)` holds.
int CountPixels(const Rect& r, const std::function<bool(int x, int y)>& test);

// Number of pixels of a region whose alpha differs by more than 128 from the
// (bilinear) alpha at `map(x, y)`, the region-local pixel centre moved by the mapping.
int AlphaMismatches(const Image& image, const Rect& region, const std::function<void(double& x, double& y)>& map);

// Mean luminance of the pixels with alpha >= 128 inside `part`; -1 if none.
double MeanOpaqueLuminance(const Image& image, const Rect& part);

// Mean saturation (largest minus smallest channel, 0 to 1) of the pixels with alpha >= 200; 0 if none.
double MeanSaturation(const Image& image, const Rect& part);

// Standard deviation of luminance inside a rectangle.
double LuminanceSpread(const Image& image, const Rect& r);

// Comparisons of two equally sized rectangles, which may lie in different images:
// the mean absolute difference of colour and alpha (0-255 per channel), the
// number of clearly different pixels (by more than 64 in alpha or in any colour
// channel of an opaque pixel), and the largest difference of alpha.
double MeanDifference(const Image& a, const Rect& ra, const Image& b, const Rect& rb);
int ClearlyDifferentPixels(const Image& a, const Rect& ra, const Image& b, const Rect& rb);
int WorstAlphaDifference(const Image& a, const Rect& ra, const Image& b, const Rect& rb);

// A part of a region, given region-local.
Rect Part(const Rect& region, int left, int top, int right, int bottom);

// The regions whose texture starts with `texture` and whose whole name
// matches the regular expression, in map order.
std::vector<RegionInfo> Regions(const std::string& texture, const std::string& name);
