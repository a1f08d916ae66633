#pragma once

#include <cairo.h>

#include <string>

#include "Rect.h"

// One texture sheet being drawn: a transparent ARGB image and its cairo context.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Writes the sheet as PNG. The game's loader turns opaque R0 G255 B100 into
    // transparency, so any pixel of exactly that colour is nudged one step in
    // blue first. Returns false when the file cannot be written.
    bool WritePng(const std::string& path);

private:
    void AvoidColourKey();

    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Confines drawing to one region of a sheet and moves the origin to its
// top-left corner, so a region's painter works in local coordinates and can
// never spill into the neighbouring regions (the sheets have no gutters).
class RegionScope {
public:
    RegionScope(cairo_t* cr, const Rect& region);
    ~RegionScope();
    RegionScope(const RegionScope&) = delete;
    RegionScope& operator=(const RegionScope&) = delete;

private:
    cairo_t* cr_;
};
