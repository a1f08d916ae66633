#include "SoftShadow.h"

#include <algorithm>
#include <vector>

namespace {

// One box blur pass along a line of `count` samples spaced `step` bytes apart.
void BoxLine(unsigned char* first, int count, std::ptrdiff_t step, int radius,
             std::vector<unsigned char>& scratch) {
    scratch.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        scratch[static_cast<std::size_t>(i)] = first[i * step];
    }
    const int window = 2 * radius + 1;
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const int j = std::clamp(i, 0, count - 1);
        sum += scratch[static_cast<std::size_t>(j)];
    }
    for (int i = 0; i < count; ++i) {
        first[i * step] = static_cast<unsigned char>((sum + window / 2) / window);
        const int leaving = std::clamp(i - radius, 0, count - 1);
        const int entering = std::clamp(i + radius + 1, 0, count - 1);
        sum += scratch[static_cast<std::size_t>(entering)] - scratch[static_cast<std::size_t>(leaving)];
    }
}

}  // namespace

void BlurAlpha(unsigned char* data, int width, int height, int stride, int radius) {
    if (radius <= 0 || width <= 0 || height <= 0) {
        return;
    }
    std::vector<unsigned char> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) {
            BoxLine(data + static_cast<std::ptrdiff_t>(y) * stride, width, 1, radius, scratch);
        }
        for (int x = 0; x < width; ++x) {
            BoxLine(data + x, height, stride, radius, scratch);
        }
    }
}

void DrawSoftShadow(cairo_t* cr, double x, double y, int w, int h,
                    const std::function<void(cairo_t*)>& path, double dx, double dy, int blur,
                    const Colour& colour) {
    if (w <= 0 || h <= 0) {
        return;
    }
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* mc = cairo_create(mask);
    cairo_translate(mc, dx - x, dy - y);
    path(mc);
    cairo_set_source_rgba(mc, 0, 0, 0, 1);
    cairo_fill(mc);
    cairo_destroy(mc);

    cairo_surface_flush(mask);
    // Each box pass spreads by `radius`; three passes of blur/2 give roughly `blur`.
    BlurAlpha(cairo_image_surface_get_data(mask), w, h, cairo_image_surface_get_stride(mask),
              std::max(1, blur / 2));
    cairo_surface_mark_dirty(mask);

    cairo_save(cr);
    colour.Use(cr);
    cairo_mask_surface(cr, mask, x, y);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}
