#include "ArtChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>

namespace {

// Calls `visit(x, y)` for every pixel of a rectangle.
void ForEachPixel(const Rect& r, const std::function<void(int, int)>& visit) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            visit(x, y);
        }
    }
}

// Calls `visit(ax, ay, bx, by)` for every pair of pixels at the same place in two equally sized rectangles.
void ForEachPair(const Rect& ra, const Rect& rb, const std::function<void(int, int, int, int)>& visit) {
    ForEachPixel(ra, [&](int x, int y) { visit(x, y, x - ra.left + rb.left, y - ra.top + rb.top); });
}

// Alpha at a region-local point, bilinear between pixel centres (0 outside).
double AlphaAt(const Image& image, const Rect& region, double x, double y) {
    auto at = [&](int px, int py) {
        if (px < 0 || py < 0 || px >= region.Width() || py >= region.Height()) {
            return 0.0;
        }
        return static_cast<double>(image.Alpha(region.left + px, region.top + py));
    };
    const int x0 = static_cast<int>(std::floor(x - 0.5));
    const int y0 = static_cast<int>(std::floor(y - 0.5));
    const double tx = x - 0.5 - x0;
    const double ty = y - 0.5 - y0;
    return (at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx) * (1 - ty) +
           (at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx) * ty;
}

// Mean of `value(x, y)` over the pixels with at least the given alpha; `none` if there are none.
double MeanOver(const Image& image, const Rect& part, int minAlpha, double none,
                const std::function<double(int, int)>& value) {
    double sum = 0;
    int count = 0;
    ForEachPixel(part, [&](int x, int y) {
        if (image.Alpha(x, y) >= minAlpha) {
            sum += value(x, y);
            ++count;
        }
    });
    return count > 0 ? sum / count : none;
}

}  // namespace

int CountPixels(const Rect& r, const std::function<bool(int x, int y)>& test) {
    int count = 0;
    ForEachPixel(r, [&](int x, int y) { count += test(x, y); });
    return count;
}

int AlphaMismatches(const Image& image, const Rect& region, const std::function<void(double& x, double& y)>& map) {
    return CountPixels(region, [&](int x, int y) {
        double mx = x - region.left + 0.5;
        double my = y - region.top + 0.5;
        map(mx, my);
        return std::abs(image.Alpha(x, y) - AlphaAt(image, region, mx, my)) > 128;
    });
}

double MeanOpaqueLuminance(const Image& image, const Rect& part) {
    return MeanOver(image, part, 128, -1, [&](int x, int y) { return image.Luminance(x, y); });
}

double MeanSaturation(const Image& image, const Rect& part) {
    return MeanOver(image, part, 200, 0, [&](int x, int y) {
        const int c[3] = {image.Channel(x, y, 0), image.Channel(x, y, 1), image.Channel(x, y, 2)};
        return (std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]})) / 255.0;
    });
}

double LuminanceSpread(const Image& image, const Rect& r) {
    const double mean = image.MeanLuminance(r);
    const double square = MeanOver(image, r, 0, 0, [&](int x, int y) { return std::pow(image.Luminance(x, y), 2); });
    return std::sqrt(std::max(0.0, square - mean * mean));
}

double MeanDifference(const Image& a, const Rect& ra, const Image& b, const Rect& rb) {
    double sum = 0;
    ForEachPair(ra, rb, [&](int ax, int ay, int bx, int by) {
        for (int c = 0; c < 3; ++c) {
            sum += std::abs(a.Channel(ax, ay, c) - b.Channel(bx, by, c));
        }
        sum += std::abs(a.Alpha(ax, ay) - b.Alpha(bx, by));
    });
    return sum / (4.0 * ra.Width() * ra.Height());
}

int ClearlyDifferentPixels(const Image& a, const Rect& ra, const Image& b, const Rect& rb) {
    int count = 0;
    ForEachPair(ra, rb, [&](int ax, int ay, int bx, int by) {
        bool differs = std::abs(a.Alpha(ax, ay) - b.Alpha(bx, by)) > 64;
        for (int c = 0; c < 3 && a.Alpha(ax, ay) >= 128 && b.Alpha(bx, by) >= 128; ++c) {
            differs = differs || std::abs(a.Channel(ax, ay, c) - b.Channel(bx, by, c)) > 64;
        }
        count += differs;
    });
    return count;
}

int WorstAlphaDifference(const Image& a, const Rect& ra, const Image& b, const Rect& rb) {
    int worst = 0;
    ForEachPair(ra, rb, [&](int ax, int ay, int bx, int by) { worst = std::max(worst, std::abs(a.Alpha(ax, ay) - b.Alpha(bx, by))); });
    return worst;
}

Rect Part(const Rect& region, int left, int top, int right, int bottom) {
    return {region.left + left, region.top + top, region.left + right, region.top + bottom};
}

std::vector<RegionInfo> Regions(const std::string& texture, const std::string& name) {
    const std::regex pattern(name);
    std::vector<RegionInfo> out;
    for (const RegionInfo& r : RegionMap()) {
        if (r.texture.rfind(texture, 0) == 0 && std::regex_match(r.name, pattern)) {
            out.push_back(r);
        }
    }
    return out;
}
