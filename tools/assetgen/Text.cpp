#include "Text.h"

#include <fontconfig/fontconfig.h>

namespace text {

namespace {

void Select(cairo_t* cr, Face face, double size) {
    const char* family = (face == Face::Title) ? "Comic Neue" : "Liberation Sans";
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}

}  // namespace

double Width(cairo_t* cr, const std::string& utf8, Face face, double size) {
    cairo_save(cr);
    Select(cr, face, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8.c_str(), &ext);
    cairo_restore(cr);
    return ext.width;
}

void Centred(cairo_t* cr, const std::string& utf8, double cx, double cy, const Style& style) {
    const Colour single[] = {style.fill};
    Rainbow(cr, utf8, cx, cy, style, single, 1);
}

void Rainbow(cairo_t* cr, const std::string& utf8, double cx, double cy, const Style& style,
             const Colour* colours, int count) {
    cairo_save(cr);
    Select(cr, style.face, style.size);
    cairo_text_extents_t whole;
    cairo_text_extents(cr, utf8.c_str(), &whole);
    const double x = cx - whole.width / 2 - whole.x_bearing;
    const double y = cy - whole.height / 2 - whole.y_bearing;
    cairo_set_line_width(cr, style.outlineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    // Outlines of all letters first, so no outline covers a neighbour's fill.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 0 && style.outlineWidth <= 0) {
            continue;
        }
        double pen = x;
        int colourIndex = 0;
        std::size_t i = 0;
        while (i < utf8.size()) {
            std::size_t len = 1;  // one UTF-8 sequence
            while (i + len < utf8.size() && (static_cast<unsigned char>(utf8[i + len]) & 0xC0) == 0x80) {
                ++len;
            }
            const std::string letter = utf8.substr(i, len);
            cairo_text_extents_t ext;
            cairo_text_extents(cr, letter.c_str(), &ext);
            if (letter != " ") {
                cairo_new_path(cr);
                cairo_move_to(cr, pen, y);
                cairo_text_path(cr, letter.c_str());
                if (pass == 0) {
                    style.outline.Use(cr);
                    cairo_stroke(cr);
                } else {
                    colours[colourIndex % count].Use(cr);
                    cairo_fill(cr);
                }
                ++colourIndex;
            }
            pen += ext.x_advance;
            i += len;
        }
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

void ReleaseFontCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace text
