#include "PicturePreview.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kCell = 100;
constexpr double kTint = 0x5F / 255.0;

// Copies a cell of the sheet with every colour channel multiplied by the
// silhouette grey (alpha kept); null when the cell has no visible pixel.
Surface TintedCell(cairo_surface_t* sheet, int left, int top) {
    Surface cell(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCell, kCell));
    cairo_t* cr = cairo_create(cell.get());
    cairo_set_source_surface(cr, sheet, -left, -top);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(cell.get());
    unsigned char* data = cairo_image_surface_get_data(cell.get());
    const int stride = cairo_image_surface_get_stride(cell.get());
    bool ink = false;
    for (int y = 0; y < kCell; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < kCell; ++x) {
            const std::uint32_t p = row[x];
            ink = ink || (p >> 24) != 0;
            auto channel = [&](int shift) {
                return static_cast<std::uint32_t>(std::lround(((p >> shift) & 0xFF) * kTint)) << shift;
            };
            row[x] = (p & 0xFF000000u) | channel(16) | channel(8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(cell.get());
    return ink ? std::move(cell) : nullptr;
}

void Text(cairo_t* cr, double x, double y, double size, const std::string& text) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

}  // namespace

PicturePreview::PicturePreview(const std::string& misc1Path) {
    cairo_surface_t* sheet = cairo_image_surface_create_from_png(misc1Path.c_str());
    if (cairo_surface_status(sheet) == CAIRO_STATUS_SUCCESS) {
        for (int type = 0; type < kShapeTypes; ++type) {
            cells_[type] = TintedCell(sheet, 200 * type, 150);
        }
    }
    cairo_surface_destroy(sheet);
}

void PicturePreview::DrawFromCell(cairo_t* cr, const PictureShape& shape) const {
    const double half = kCell / 2.0 * shape.sizeFactor;
    cairo_save(cr);
    cairo_translate(cr, shape.x, shape.y);
    cairo_rotate(cr, shape.rotation * std::numbers::pi / 180);
    cairo_translate(cr, -half, -half);
    cairo_scale(cr, shape.scaleX * shape.sizeFactor, shape.scaleY * shape.sizeFactor);
    cairo_set_source_surface(cr, cells_[shape.type].get(), 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_rectangle(cr, 0, 0, kCell, kCell);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PicturePreview::DrawFromOutline(cairo_t* cr, const PictureShape& shape) {
    cairo_new_path(cr);
    for (const Point& p : shape.Outline()) {
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, kTint, kTint, kTint);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

Surface PicturePreview::Render(const std::vector<PictureShape>& targets, const std::string& title) const {
    Surface board(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight));
    cairo_t* cr = cairo_create(board.get());
    cairo_set_source_rgb(cr, 0.86, 0.91, 0.96);
    cairo_paint(cr);
    // The time panel and the count line of the game's top edge.
    cairo_rectangle(cr, 362, 0, 300, 50);
    cairo_set_source_rgb(cr, 0.35, 0.45, 0.6);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    Text(cr, 470, 98, 30, "0 / " + std::to_string(targets.size()));
    Text(cr, 12, 755, 18, title);
    for (const PictureShape& shape : targets) {
        const bool known = shape.type >= 0 && shape.type < kShapeTypes;
        if (known && cells_[shape.type]) {
            DrawFromCell(cr, shape);
        } else {
            DrawFromOutline(cr, shape);
        }
    }
    cairo_destroy(cr);
    return board;
}

Surface PicturePreview::Overview(const std::vector<Surface>& boards) {
    constexpr int kColumns = 4;
    constexpr double kScale = 1.0 / 3;
    const int rows = static_cast<int>((boards.size() + kColumns - 1) / kColumns);
    const int tileW = static_cast<int>(kWidth * kScale);
    const int tileH = static_cast<int>(kHeight * kScale);
    Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kColumns * (tileW + 4), rows * (tileH + 4)));
    cairo_t* cr = cairo_create(sheet.get());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    for (std::size_t i = 0; i < boards.size(); ++i) {
        cairo_save(cr);
        cairo_translate(cr, static_cast<double>(i % kColumns) * (tileW + 4), static_cast<double>(i / kColumns) * (tileH + 4));
        cairo_scale(cr, kScale, kScale);
        cairo_set_source_surface(cr, boards[i].get(), 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return sheet;
}
