#include "ContactSheet.h"

#include <cairo.h>

#include <filesystem>

#include "AssetCatalog.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Text.h"

namespace {

constexpr int kMargin = 16;
constexpr int kTitle = 40;

void Checkerboard(cairo_t* cr, int w, int h) {
    constexpr int kCell = 16;
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.82, 0.82, 0.84);
    for (int y = 0; y < h; y += kCell) {
        for (int x = (y / kCell % 2) * kCell; x < w; x += 2 * kCell) {
            cairo_rectangle(cr, x, y, kCell, kCell);
        }
    }
    cairo_fill(cr);
}

void Label(cairo_t* cr, const RegionInfo& region) {
    const Colour colour = region.painted ? Colour::Hex(0x1E5BD8) : Colour::Hex(0xE07000);
    const Rect& r = region.rect;
    cairo_rectangle(cr, r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1);
    colour.Use(cr);
    cairo_set_line_width(cr, 1);
    if (!region.painted) {
        const double dash[] = {4, 3};
        cairo_set_dash(cr, dash, 2, 0);
    }
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);

    // The pointer's hotspot: ticks on the left and bottom edges.
    if (region.coverage == Coverage::Pointer) {
        cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
        cairo_rectangle(cr, r.left, r.top + 14, 4, 1);
        cairo_rectangle(cr, r.left + 8, r.bottom - 4, 1, 4);
        cairo_fill(cr);
    }

    // Labels sit in the region's corner, or beside it when it is too small to hold one.
    const double size = 10;
    const double w = text::Width(cr, region.name, text::Face::Label, size) + 6;
    const bool small = r.Height() < 40;
    const double left = small ? r.right + 1 : r.left + 1;
    const double top = r.top + 1;
    cairo_rectangle(cr, left, top, w, size + 4);
    palette::kWhite.WithAlpha(0.6).Use(cr);
    cairo_fill(cr);
    text::Style style;
    style.size = size;
    style.fill = colour;
    text::Centred(cr, region.name, left + w / 2, top + 2 + size / 2, style);
}

bool WriteOne(const std::filesystem::path& source, const std::filesystem::path& target,
              const std::string& entry, std::string& error) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(source.string().c_str());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        error = "cannot read " + source.string();
        return false;
    }
    const int w = cairo_image_surface_get_width(image);
    const int h = cairo_image_surface_get_height(image);
    cairo_surface_t* sheet =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, w + 2 * kMargin, h + kTitle + kMargin);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.2, 0.23, 0.3);
    cairo_paint(cr);
    text::Style title;
    title.size = 18;
    title.fill = palette::kWhite;
    const std::string caption = entry + "  " + std::to_string(w) + " x " + std::to_string(h);
    text::Centred(cr, caption, (w + 2 * kMargin) / 2.0, kTitle / 2.0, title);

    cairo_translate(cr, kMargin, kTitle);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    Checkerboard(cr, w, h);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    for (const RegionInfo& region : RegionMap()) {
        if (region.texture == entry) {
            Label(cr, region);
        }
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(sheet, target.string().c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    cairo_surface_destroy(image);
    if (!ok) {
        error = "cannot write " + target.string();
    }
    return ok;
}

}  // namespace

bool WriteContactSheets(const std::string& assetFolder, const std::string& outFolder, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(outFolder, ec);
    if (ec) {
        error = "cannot create " + outFolder + ": " + ec.message();
        return false;
    }
    for (const TextureSheet& sheet : TextureSheets()) {
        if (!WriteOne(fs::path(assetFolder) / sheet.entry, fs::path(outFolder) / (sheet.entry + ".contact.png"),
                      sheet.entry, error)) {
            return false;
        }
    }
    return true;
}
