#pragma once

#include <cairo.h>

#include <functional>

#include "Palette.h"

// A blurred drop shadow under a shape. `path` adds the shape's outline to the
// context it is given; the shadow is that silhouette moved by (dx, dy),
// blurred by about `blur` pixels and painted in `colour` inside the area
// (x, y, w, h) of the current user space (which must not be scaled).
void DrawSoftShadow(cairo_t* cr, double x, double y, int w, int h,
                    const std::function<void(cairo_t*)>& path, double dx, double dy, int blur,
                    const Colour& colour);

// Three passes of a box blur over an 8-bit alpha image (close to a Gaussian).
void BlurAlpha(unsigned char* data, int width, int height, int stride, int radius);
