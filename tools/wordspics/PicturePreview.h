#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "PictureShape.h"

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Draws a picture's target shapes the way the picture building game shows
// them: grey silhouettes (the shape image tinted 0xFF5F5F5F) on a light board
// with the time panel and the count line at the top.
class PicturePreview {
public:
    // Takes the four shape cells from misc1.PNG at that path; a missing file
    // or a blank cell is drawn from the shape's outline instead.
    explicit PicturePreview(const std::string& misc1Path);

    // The 1024 x 768 board with the targets and the title in a corner.
    Surface Render(const std::vector<PictureShape>& targets, const std::string& title) const;

    // The boards side by side, four to a row, at a third of their size.
    static Surface Overview(const std::vector<Surface>& boards);

private:
    void DrawFromCell(cairo_t* cr, const PictureShape& shape) const;
    static void DrawFromOutline(cairo_t* cr, const PictureShape& shape);

    Surface cells_[kShapeTypes];  // tinted shape cells, null where blank
};
