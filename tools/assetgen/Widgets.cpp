#include "Widgets.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Shapes.h"
#include "SoftShadow.h"

namespace widgets {

using namespace palette;

ButtonLook NormalLook() { return {kButtonTop, kButtonBottom, kButtonBorder}; }
ButtonLook HotLook() { return {kHotTop, kHotBottom, kHotBorder}; }
ButtonLook AlertLook() { return {kWhite, Colour::Hex(0xFFD6DA), Colour::Hex(0xD94A57)}; }

void Panel(cairo_t* cr, double w, double h, double header) {
    const double x = 5;
    const double y = 4;
    const double pw = w - 10;
    const double ph = h - 13;
    const double radius = 26;
    auto outline = [&](cairo_t* c) { shapes::RoundedRect(c, x, y, pw, ph, radius); };

    DrawSoftShadow(cr, 0, 0, static_cast<int>(w), static_cast<int>(h), outline, 0, 4, 6,
                   kShadow.WithAlpha(0.35));
    outline(cr);
    shapes::FillGradient(cr, y, y + ph, kPanelTop, kPanelBottom);
    cairo_new_path(cr);

    if (header > 0) {
        cairo_save(cr);
        outline(cr);
        cairo_clip(cr);
        cairo_rectangle(cr, 0, 0, w, header);
        shapes::VerticalGradient(cr, 0, header, kPanelHeader.Mix(kWhite, 0.3), kPanelHeader);
        cairo_fill(cr);
        // a dotted seam under the title band
        kPanelBorder.WithAlpha(0.35).Use(cr);
        const double seamY = header - 1;
        for (double dx = x + radius; dx < x + pw - radius; dx += 10) {
            cairo_arc(cr, dx, seamY, 1.6, 0, 2 * std::numbers::pi);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }

    shapes::RoundedRect(cr, x + 4.5, y + 4.5, pw - 9, ph - 9, radius - 4.5);
    shapes::Outline(cr, kWhite.WithAlpha(0.9), 1.5);
    outline(cr);
    cairo_new_path(cr);
    shapes::RoundedRect(cr, x + 2, y + 2, pw - 4, ph - 4, radius - 2);
    shapes::Outline(cr, kPanelBorder, 4);
}

void Button(cairo_t* cr, double w, double h, const ButtonLook& look) {
    const double x = 2;
    const double y = 1.5;
    const double bw = w - 4;
    const double bh = h - 5;
    const double radius = std::min(13.0, bh / 2);
    auto outline = [&](cairo_t* c) { shapes::RoundedRect(c, x, y, bw, bh, radius); };

    DrawSoftShadow(cr, 0, 0, static_cast<int>(w), static_cast<int>(h), outline, 0, 2, 3,
                   kShadow.WithAlpha(0.35));
    outline(cr);
    shapes::FillGradient(cr, y, y + bh, look.top, look.bottom);
    cairo_new_path(cr);

    // gloss on the upper half
    shapes::RoundedRect(cr, x + 3, y + 2, bw - 6, bh * 0.48, radius - 3);
    shapes::Sheen(cr, y + 2, y + 2 + bh * 0.48, 0.75);
    cairo_new_path(cr);

    shapes::RoundedRect(cr, x + 1, y + 1, bw - 2, bh - 2, radius - 1);
    shapes::Outline(cr, look.border, 2);
}

void RadioDot(cairo_t* cr, double size, bool selected) {
    const double c = size / 2;
    const double r = size / 2 - 2;
    cairo_arc(cr, c, c + 0.5, r, 0, 2 * std::numbers::pi);
    shapes::FillGradient(cr, c - r, c + r, kWhite, kButtonBottom);
    shapes::Outline(cr, selected ? kButtonBorder : kInkSoft, 2);
    if (selected) {
        cairo_arc(cr, c, c + 0.5, r * 0.55, 0, 2 * std::numbers::pi);
        shapes::FillGradient(cr, c - r * 0.55, c + r * 0.55, kSky, kBlue);
        cairo_new_path(cr);
        cairo_arc(cr, c - r * 0.15, c - r * 0.2, r * 0.2, 0, 2 * std::numbers::pi);
        kWhite.WithAlpha(0.8).Use(cr);
        cairo_fill(cr);
    }
}

void TickIcon(cairo_t* cr, double cx, double cy, double size, const Colour& colour) {
    const double s = size / 2;
    cairo_move_to(cr, cx - s * 0.85, cy + s * 0.05);
    cairo_line_to(cr, cx - s * 0.25, cy + s * 0.62);
    cairo_line_to(cr, cx + s * 0.85, cy - s * 0.6);
    shapes::Outline(cr, colour, size * 0.2);
}

void ArrowIcon(cairo_t* cr, double cx, double cy, double size, bool up, const Colour& colour) {
    const double s = size / 2;
    const double dir = up ? -1 : 1;
    cairo_move_to(cr, cx, cy + dir * s * 0.75);
    cairo_line_to(cr, cx + s * 0.9, cy - dir * s * 0.45);
    cairo_line_to(cr, cx - s * 0.9, cy - dir * s * 0.45);
    cairo_close_path(cr);
    colour.Use(cr);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, colour, size * 0.12);
}

void GermanFlag(cairo_t* cr, double x, double y, double w, double h) {
    const Colour stripes[] = {Colour::Hex(0x1E1E1E), Colour::Hex(0xDD1F26), Colour::Hex(0xFFCE00)};
    cairo_save(cr);
    shapes::RoundedRect(cr, x, y, w, h, 3);
    cairo_clip(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, x, y + i * h / 3, w, h / 3 + 0.5);
        stripes[i].Use(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shapes::RoundedRect(cr, x, y, w, h, 3);
    shapes::Outline(cr, kInk, 1.2);
}

void BritishFlag(cairo_t* cr, double x, double y, double w, double h) {
    const Colour blue = Colour::Hex(0x1F3F8F);
    const Colour red = Colour::Hex(0xD6202F);
    cairo_save(cr);
    shapes::RoundedRect(cr, x, y, w, h, 3);
    cairo_clip(cr);
    cairo_rectangle(cr, x, y, w, h);
    blue.Use(cr);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // diagonals: white, then a thinner red
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + w, y + h);
        cairo_move_to(cr, x + w, y);
        cairo_line_to(cr, x, y + h);
        (pass == 0 ? kWhite : red).Use(cr);
        cairo_set_line_width(cr, pass == 0 ? h * 0.22 : h * 0.08);
        cairo_stroke(cr);
    }
    // upright cross: white, then red
    for (int pass = 0; pass < 2; ++pass) {
        const double t = pass == 0 ? h * 0.34 : h * 0.2;
        cairo_rectangle(cr, x + w / 2 - t / 2, y, t, h);
        cairo_rectangle(cr, x, y + h / 2 - t / 2, w, t);
        (pass == 0 ? kWhite : red).Use(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shapes::RoundedRect(cr, x, y, w, h, 3);
    shapes::Outline(cr, kInk, 1.2);
}

}  // namespace widgets
