#include "Suits.h"

#include <numbers>

#include "Shapes.h"

namespace suits {

namespace {

// The flared stem under spades and clubs.
void Stem(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - s * 0.05, cy);
    cairo_curve_to(cr, cx - s * 0.06, cy + s * 0.25, cx - s * 0.14, cy + s * 0.42, cx - s * 0.24, cy + s * 0.5);
    cairo_line_to(cr, cx + s * 0.24, cy + s * 0.5);
    cairo_curve_to(cr, cx + s * 0.14, cy + s * 0.42, cx + s * 0.06, cy + s * 0.25, cx + s * 0.05, cy);
    cairo_close_path(cr);
}

}  // namespace

void Path(cairo_t* cr, Suit suit, double cx, double cy, double size) {
    const double s = size;
    switch (suit) {
        case Suit::Hearts:
            shapes::Heart(cr, cx, cy + s * 0.02, s * 0.98);
            break;
        case Suit::Diamonds:
            cairo_new_sub_path(cr);
            cairo_move_to(cr, cx, cy - s * 0.5);
            cairo_curve_to(cr, cx + s * 0.12, cy - s * 0.28, cx + s * 0.26, cy - s * 0.12, cx + s * 0.38, cy);
            cairo_curve_to(cr, cx + s * 0.26, cy + s * 0.12, cx + s * 0.12, cy + s * 0.28, cx, cy + s * 0.5);
            cairo_curve_to(cr, cx - s * 0.12, cy + s * 0.28, cx - s * 0.26, cy + s * 0.12, cx - s * 0.38, cy);
            cairo_curve_to(cr, cx - s * 0.26, cy - s * 0.12, cx - s * 0.12, cy - s * 0.28, cx, cy - s * 0.5);
            cairo_close_path(cr);
            break;
        case Suit::Spades:
            cairo_save(cr);
            cairo_translate(cr, cx, cy - s * 0.1);
            cairo_rotate(cr, std::numbers::pi);
            shapes::Heart(cr, 0, 0, s * 0.84);
            cairo_restore(cr);
            Stem(cr, cx, cy, s);
            break;
        case Suit::Clubs:
            shapes::Circle(cr, cx, cy - s * 0.25, s * 0.22);
            shapes::Circle(cr, cx - s * 0.23, cy + s * 0.06, s * 0.22);
            shapes::Circle(cr, cx + s * 0.23, cy + s * 0.06, s * 0.22);
            shapes::Circle(cr, cx, cy - s * 0.02, s * 0.12);
            Stem(cr, cx, cy, s);
            break;
    }
}

Colour Of(Suit suit) {
    return (suit == Suit::Hearts || suit == Suit::Diamonds) ? Colour::Hex(0xD7263D) : palette::kInk;
}

void Draw(cairo_t* cr, Suit suit, double cx, double cy, double size, bool flipped) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (flipped) {
        cairo_rotate(cr, std::numbers::pi);
    }
    cairo_new_path(cr);
    Path(cr, suit, 0, 0, size);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    Of(suit).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace suits
