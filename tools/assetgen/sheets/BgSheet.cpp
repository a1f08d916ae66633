// bg.PNG: the menu background behind every menu page.
#include "sheets/Sheets.h"

#include "Decor.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"

void PaintBg(Canvas& canvas) {
    using namespace palette;
    cairo_t* cr = canvas.Cr();
    const Rect r = RegionRect("bg.PNG", "background");
    RegionScope scope(cr, r);
    const double w = r.Width();
    const double h = r.Height();

    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, w, h);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.53, 0.77, 1.0);
    cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.66, 0.74, 0.98);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.80, 0.70, 0.96);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    // a soft light behind the panels
    shapes::RadialGradient(cr, w / 2, h / 2, h * 0.75, kWhite.WithAlpha(0.35), kWhite.WithAlpha(0));
    cairo_paint(cr);

    decor::Confetti(cr, {.area = {-20, -20, r.Width() + 20, r.Height() + 20},
                         .count = 80,
                         .minSize = 26,
                         .maxSize = 80,
                         .minAlpha = 0.10,
                         .maxAlpha = 0.24,
                         .spacing = 1.1,
                         .seed = 2024});
}
