// Motifs of things: toys, vehicles, buildings, sweets and signs.
#include <numbers>

#include "MotifParts.h"
#include "Shapes.h"

namespace motifs::parts {

using namespace palette;

namespace {

constexpr double kPi = std::numbers::pi;
const Colour kGlass = Colour::Hex(0xBFE6FF);

void Window(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    InkGradient(cr, y, y + h, kGlass.Mix(kWhite, 0.5), kGlass);
    cairo_move_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_move_to(cr, x, y + h / 2);
    cairo_line_to(cr, x + w, y + h / 2);
    shapes::Outline(cr, kInk, 2.5);
}

}  // namespace

void Star(cairo_t* cr) {
    shapes::Star(cr, 0, 3, 48, 22, 5);
    InkGradient(cr, -45, 45, kYellow.Mix(kWhite, 0.45), kYellow.Mix(kOrange, 0.45));
    shapes::Star(cr, -2, 0, 26, 12, 5);
    kWhite.WithAlpha(0.35).Use(cr);
    cairo_fill(cr);
}

void Heart(cairo_t* cr) {
    const Colour base = kPink.Mix(kRed, 0.45);
    shapes::Heart(cr, 0, 2, 92);
    InkGradient(cr, -42, 46, base.Mix(kWhite, 0.35), base.Mix(kInk, 0.1));
    Shine(cr, -22, -16, 8, 11, 0.6);
}

void Car(cairo_t* cr) {
    const Colour paint = kBlue;
    cairo_move_to(cr, -26, -2);
    cairo_line_to(cr, -16, -26);
    cairo_line_to(cr, 16, -26);
    cairo_line_to(cr, 30, -2);
    cairo_close_path(cr);
    InkGradient(cr, -26, -2, paint.Mix(kWhite, 0.3), paint);
    cairo_move_to(cr, -19, -4);
    cairo_line_to(cr, -13, -20);
    cairo_line_to(cr, -2, -20);
    cairo_line_to(cr, -2, -4);
    cairo_close_path(cr);
    cairo_move_to(cr, 4, -4);
    cairo_line_to(cr, 4, -20);
    cairo_line_to(cr, 13, -20);
    cairo_line_to(cr, 22, -4);
    cairo_close_path(cr);
    InkGradient(cr, -20, -4, kGlass.Mix(kWhite, 0.5), kGlass);
    shapes::RoundedRect(cr, -47, -4, 94, 28, 9);
    InkGradient(cr, -4, 24, paint.Mix(kWhite, 0.3), paint.Mix(kInk, 0.15));
    shapes::RoundedRect(cr, 37, 2, 9, 7, 3);
    Ink(cr, kYellow);
    shapes::RoundedRect(cr, -46, 2, 7, 7, 3);
    Ink(cr, kRed);
    for (const double x : {-25.0, 25.0}) {
        shapes::Circle(cr, x, 24, 12);
        Ink(cr, kInk);
        shapes::Circle(cr, x, 24, 5);
        Ink(cr, Colour::Hex(0xD8DEE8));
    }
    cairo_move_to(cr, -38, 2);
    cairo_line_to(cr, 30, 2);
    shapes::Outline(cr, kWhite.WithAlpha(0.45), 3);
}

void House(cairo_t* cr) {
    cairo_rectangle(cr, 16, -42, 11, 22);
    InkGradient(cr, -42, -20, kRed.Mix(kWhite, 0.3), kRed);
    cairo_rectangle(cr, -34, -8, 68, 52);
    InkGradient(cr, -8, 44, Colour::Hex(0xFFF4C8), Colour::Hex(0xF5D98A));
    cairo_move_to(cr, -46, -4);
    cairo_line_to(cr, 0, -46);
    cairo_line_to(cr, 46, -4);
    cairo_close_path(cr);
    InkGradient(cr, -46, -4, kOrange.Mix(kRed, 0.4).Mix(kWhite, 0.2), kRed.Mix(kInk, 0.1));
    shapes::RoundedRect(cr, -24, 14, 17, 30, 3);
    InkGradient(cr, 14, 44, Colour::Hex(0xB26B34), Colour::Hex(0x8A4A1C));
    shapes::Circle(cr, -11, 30, 2);
    kYellow.Use(cr);
    cairo_fill(cr);
    Window(cr, 4, 6, 20, 18);
    shapes::Circle(cr, 0, -20, 7);
    InkGradient(cr, -27, -13, kGlass.Mix(kWhite, 0.5), kGlass);
}

void Balloon(cairo_t* cr) {
    const Colour skin = kTeal;
    cairo_move_to(cr, 0, 28);
    cairo_curve_to(cr, 8, 34, -8, 39, 2, 44);
    Stem(cr, kWhite, 1.5);
    cairo_move_to(cr, -5, 30);
    cairo_line_to(cr, 5, 30);
    cairo_line_to(cr, 0, 23);
    cairo_close_path(cr);
    Ink(cr, skin);
    cairo_move_to(cr, 0, 25);
    cairo_curve_to(cr, -20, 20, -32, 2, -32, -14);
    cairo_curve_to(cr, -32, -34, -18, -47, 0, -47);
    cairo_curve_to(cr, 18, -47, 32, -34, 32, -14);
    cairo_curve_to(cr, 32, 2, 20, 20, 0, 25);
    cairo_close_path(cr);
    InkGradient(cr, -47, 25, skin.Mix(kWhite, 0.45), skin.Mix(kInk, 0.1));
    Shine(cr, -14, -24, 6, 11, 0.4);
}

void Rocket(cairo_t* cr) {
    // flame
    cairo_move_to(cr, -9, 26);
    cairo_curve_to(cr, -10, 35, -4, 41, 0, 47);
    cairo_curve_to(cr, 4, 41, 10, 35, 9, 26);
    cairo_close_path(cr);
    InkGradient(cr, 26, 47, kYellow, kOrange.Mix(kRed, 0.3));
    // fins
    for (const double s : {-1.0, 1.0}) {
        cairo_move_to(cr, s * 14, 0);
        cairo_line_to(cr, s * 29, 22);
        cairo_line_to(cr, s * 29, 30);
        cairo_line_to(cr, s * 13, 24);
        cairo_close_path(cr);
        InkGradient(cr, 0, 30, kRed.Mix(kWhite, 0.2), kRed);
    }
    auto hull = [cr] {
        cairo_move_to(cr, 0, -48);
        cairo_curve_to(cr, 14, -38, 18, -18, 16, 4);
        cairo_line_to(cr, 13, 27);
        cairo_line_to(cr, -13, 27);
        cairo_line_to(cr, -16, 4);
        cairo_curve_to(cr, -18, -18, -14, -38, 0, -48);
        cairo_close_path(cr);
    };
    hull();
    cairo_pattern_t* p = cairo_pattern_create_linear(-17, 0, 17, 0);
    const Colour paint = kSky.Mix(kWhite, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0, paint.r, paint.g, paint.b);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.95, 0.98, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, kSky.r * 0.8, kSky.g * 0.8, kSky.b * 0.9);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill(cr);
    cairo_save(cr);
    hull();
    cairo_clip(cr);
    cairo_rectangle(cr, -20, -50, 40, 22);
    kRed.Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    hull();
    shapes::Outline(cr, kInk, kLine);
    shapes::Circle(cr, 0, -8, 8.5);
    Ink(cr, kSky);
    Shine(cr, -3, -11, 3, 2.5);
}

void Umbrella(cairo_t* cr) {
    cairo_move_to(cr, 0, -2);
    cairo_line_to(cr, 0, 34);
    cairo_arc_negative(cr, -8, 34, 8, 0, kPi);
    Stem(cr, Colour::Hex(0x9A5B2E), 3.5);
    const Colour panels[] = {kRed, kYellow, kGreen, kBlue};
    for (int i = 0; i < 4; ++i) {
        const double a0 = kPi + i * kPi / 4;
        const double a1 = a0 + kPi / 4;
        const double x0 = -44 + i * 22;
        cairo_move_to(cr, 0, -4);
        cairo_arc(cr, 0, 0, 46, a0, a1);
        cairo_line_to(cr, x0 + 22, 0);
        cairo_curve_to(cr, x0 + 16, -7, x0 + 6, -7, x0, 0);
        cairo_close_path(cr);
        InkGradient(cr, -46, 0, panels[i].Mix(kWhite, 0.35), panels[i]);
    }
    shapes::Circle(cr, 0, -45, 3);
    Ink(cr, kInk);
}

void IceCream(cairo_t* cr) {
    const Colour wafer = Colour::Hex(0xF2C27B);
    cairo_move_to(cr, -20, 2);
    cairo_line_to(cr, 20, 2);
    cairo_line_to(cr, 0, 48);
    cairo_close_path(cr);
    InkGradient(cr, 2, 48, wafer, wafer.Mix(kOrange, 0.4));
    cairo_save(cr);
    cairo_move_to(cr, -20, 2);
    cairo_line_to(cr, 20, 2);
    cairo_line_to(cr, 0, 48);
    cairo_close_path(cr);
    cairo_clip(cr);
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, i * 10 - 20, 2);
        cairo_line_to(cr, i * 10 + 20, 48);
        cairo_move_to(cr, i * 10 + 20, 2);
        cairo_line_to(cr, i * 10 - 20, 48);
    }
    shapes::Outline(cr, wafer.Mix(kInk, 0.35), 2);
    cairo_restore(cr);
    const double scoops[][3] = {{0, -6, 21}, {0, -28, 17}};
    const Colour flavours[] = {Colour::Hex(0x6FD6A4), kPink};
    for (int i = 0; i < 2; ++i) {
        shapes::Circle(cr, scoops[i][0], scoops[i][1], scoops[i][2]);
        InkGradient(cr, scoops[i][1] - scoops[i][2], scoops[i][1] + scoops[i][2], flavours[i].Mix(kWhite, 0.4),
                    flavours[i]);
    }
    shapes::Circle(cr, 5, -41, 5.5);
    Ink(cr, kRed);
    Shine(cr, -8, -32, 5, 4, -0.4);
}

}  // namespace motifs::parts
