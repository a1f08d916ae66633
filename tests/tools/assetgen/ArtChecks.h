#pragma once

#include <functional>
#include <string>
#include <vector>

#include "AssetFiles.h"
#include "Rect.h"
#include "RegionMap.h"

// Pixel measurements the game-art tests share. Coordinates are local to the
// region unless a name says otherwise.

// Alpha at a region-local point, bilinear between pixel centres (0 outside).
double AlphaAt(const Image& image, const Rect& region, double x, double y);

// Number of pixels whose alpha differs by more than 128 from the alpha at
// `map(x, y)` (the pixel centre moved by the given mapping).
int AlphaMismatches(const Image& image, const Rect& region,
                    const std::function<void(double& x, double& y)>& map);

// Mean luminance of the pixels with alpha >= 128 inside `part` (sheet coordinates); -1 if none.
double MeanOpaqueLuminance(const Image& image, const Rect& part);

// Mean saturation (largest minus smallest channel, 0 to 1) of the pixels with
// alpha >= 200 inside `part` (sheet coordinates); 0 if none.
double MeanSaturation(const Image& image, const Rect& part);

// Mean absolute difference of colour and alpha (0-255 per channel) between two
// equally sized rectangles, which may lie in different images.
double MeanDifference(const Image& a, const Rect& ra, const Image& b, const Rect& rb);

// Number of pixels that differ clearly (by more than 64 in alpha or in any
// colour channel of an opaque pixel) between two equally sized rectangles.
int ClearlyDifferentPixels(const Image& a, const Rect& ra, const Image& b, const Rect& rb);

// Standard deviation of luminance inside a rectangle.
double LuminanceSpread(const Image& image, const Rect& r);

// Largest difference of alpha between two equally sized rectangles.
int WorstAlphaDifference(const Image& a, const Rect& ra, const Image& b, const Rect& rb);

// A part of a region, in sheet coordinates.
Rect Part(const Rect& region, int left, int top, int right, int bottom);

// Number of pixels of a rectangle (sheet coordinates) for which `test(x, y)` holds.
int CountPixels(const Rect& r, const std::function<bool(int x, int y)>& test);

// The painted regions whose texture starts with `texture` and whose whole name
// matches the regular expression, in map order.
std::vector<RegionInfo> Regions(const std::string& texture, const std::string& name);
