#include "Canvas.h"

#include <cstdint>

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

bool Canvas::WritePng(const std::string& path) {
    AvoidColourKey();
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void Canvas::AvoidColourKey() {
    constexpr std::uint32_t kKey = 0xFF00FF64;  // opaque, so premultiplied = straight
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            if (row[x] == kKey) {
                row[x] = kKey + 1;
            }
        }
    }
    cairo_surface_mark_dirty(surface_);
}

RegionScope::RegionScope(cairo_t* cr, const Rect& region) : cr_(cr) {
    cairo_save(cr_);
    cairo_rectangle(cr_, region.left, region.top, region.Width(), region.Height());
    cairo_clip(cr_);
    cairo_translate(cr_, region.left, region.top);
    cairo_new_path(cr_);
}

RegionScope::~RegionScope() { cairo_restore(cr_); }
