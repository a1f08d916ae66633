// Motifs from nature: fruit, plants and animals.
#include <cmath>
#include <numbers>

#include "MotifParts.h"
#include "Shapes.h"

namespace motifs::parts {

using namespace palette;

namespace {

constexpr double kPi = std::numbers::pi;
const Colour kBark = Colour::Hex(0x9A5B2E);
const Colour kLeaf = Colour::Hex(0x3FAE5A);

}  // namespace

void Apple(cairo_t* cr) {
    cairo_move_to(cr, 4, -28);
    cairo_curve_to(cr, 6, -35, 8, -40, 11, -43);
    Stem(cr, kBark, 4);
    Ellipse(cr, 20, -38, 13, 6, -0.5);
    Ink(cr, kLeaf);
    cairo_move_to(cr, 0, -26);
    cairo_curve_to(cr, -14, -38, -44, -34, -44, -4);
    cairo_curve_to(cr, -44, 26, -22, 44, -10, 42);
    cairo_curve_to(cr, -5, 41, 5, 41, 10, 42);
    cairo_curve_to(cr, 22, 44, 44, 26, 44, -4);
    cairo_curve_to(cr, 44, -34, 14, -38, 0, -26);
    cairo_close_path(cr);
    InkGradient(cr, -34, 42, kRed.Mix(kWhite, 0.25), kRed.Mix(kInk, 0.25));
    Shine(cr, -24, -10, 6, 12, 0.3);
}

void Sun(cairo_t* cr) {
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        const double w = 0.2;
        cairo_move_to(cr, 30 * std::cos(a - w), 30 * std::sin(a - w));
        cairo_line_to(cr, 47 * std::cos(a), 47 * std::sin(a));
        cairo_line_to(cr, 30 * std::cos(a + w), 30 * std::sin(a + w));
        cairo_close_path(cr);
        Ink(cr, i % 2 == 0 ? kOrange : kYellow);
    }
    shapes::Circle(cr, 0, 0, 31);
    InkGradient(cr, -31, 31, kYellow.Mix(kWhite, 0.5), kYellow.Mix(kOrange, 0.3));
    Dot(cr, -10, -6, 4);
    Dot(cr, 10, -6, 4);
    cairo_arc(cr, 0, 2, 13, 0.35, kPi - 0.35);
    shapes::Outline(cr, kInk, kLine);
    Ellipse(cr, -19, 6, 5, 3.5);
    Ellipse(cr, 19, 6, 5, 3.5);
    kPink.WithAlpha(0.8).Use(cr);
    cairo_fill(cr);
}

void Fish(cairo_t* cr) {
    const Colour body = kOrange;
    // tail and fins behind the body
    cairo_move_to(cr, 24, 0);
    cairo_line_to(cr, 47, -22);
    cairo_curve_to(cr, 42, -8, 42, 8, 47, 22);
    cairo_close_path(cr);
    Ink(cr, kYellow);
    cairo_move_to(cr, -14, -18);
    cairo_curve_to(cr, -6, -36, 10, -34, 16, -16);
    cairo_close_path(cr);
    Ink(cr, kYellow);
    Ellipse(cr, -6, 0, 34, 23);
    InkGradient(cr, -23, 23, body.Mix(kWhite, 0.45), body);
    // stripes
    cairo_save(cr);
    Ellipse(cr, -6, 0, 34, 23);
    cairo_clip(cr);
    for (const double x : {0.0, 14.0}) {
        cairo_move_to(cr, x - 4, -26);
        cairo_curve_to(cr, x + 4, -8, x + 4, 8, x - 4, 26);
        shapes::Outline(cr, kWhite.WithAlpha(0.75), 5);
    }
    cairo_restore(cr);
    Ellipse(cr, -6, 0, 34, 23);
    shapes::Outline(cr, kInk, kLine);
    shapes::Circle(cr, -24, -6, 7);
    Ink(cr, kWhite);
    Dot(cr, -25, -6, 3.5);
    cairo_arc(cr, -34, 6, 5, 0.2, 1.6);
    shapes::Outline(cr, kInk, 2.5);
}

void Flower(cairo_t* cr) {
    cairo_move_to(cr, 0, 6);
    cairo_curve_to(cr, 2, 20, -2, 32, 0, 43);
    Stem(cr, kLeaf, 5);
    Ellipse(cr, 13, 32, 12, 6, -0.6);
    Ink(cr, kLeaf);
    Ellipse(cr, -13, 38, 11, 5.5, 0.6);
    Ink(cr, kLeaf);
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3 + kPi / 6;
        Ellipse(cr, 19 * std::cos(a), -12 + 19 * std::sin(a), 15, 11, a);
        InkGradient(cr, -44, 20, kPink.Mix(kWhite, 0.45), kPink);
    }
    shapes::Circle(cr, 0, -12, 12);
    InkGradient(cr, -24, 0, kYellow.Mix(kWhite, 0.3), kOrange);
    Shine(cr, -4, -16, 4, 3);
}

void Tree(cairo_t* cr) {
    cairo_rectangle(cr, -8, 4, 16, 42);
    InkGradient(cr, 4, 46, kBark.Mix(kWhite, 0.2), kBark);
    // the crown is a union of circles: all outlines first, then all fills
    const double blobs[][3] = {{-20, -6, 21}, {20, -6, 21}, {0, -24, 22}, {0, 2, 20}};
    for (const auto& b : blobs) {
        shapes::Circle(cr, b[0], b[1], b[2]);
    }
    shapes::Outline(cr, kInk, 2 * kLine);
    for (const auto& b : blobs) {
        shapes::Circle(cr, b[0], b[1], b[2]);
    }
    shapes::VerticalGradient(cr, -49, 23, kLeaf.Mix(kWhite, 0.35), kLeaf.Mix(kInk, 0.15));
    cairo_fill(cr);
    for (const auto& p : {std::pair{-18.0, -12.0}, std::pair{14.0, -24.0}, std::pair{20.0, 4.0},
                          std::pair{-6.0, 6.0}}) {
        shapes::Circle(cr, p.first, p.second, 5);
        Ink(cr, kRed);
    }
    Shine(cr, -8, -34, 9, 5, -0.4);
}

void Cat(cairo_t* cr) {
    const Colour fur = Colour::Hex(0xE0A868);
    auto head = [cr] {
        Ellipse(cr, 0, 8, 40, 33);
        for (const double s : {-1.0, 1.0}) {
            cairo_move_to(cr, s * 38, -2);
            cairo_line_to(cr, s * 34, -44);
            cairo_line_to(cr, s * 8, -22);
            cairo_close_path(cr);
        }
    };
    head();
    shapes::Outline(cr, kInk, 2 * kLine);
    head();
    shapes::VerticalGradient(cr, -44, 41, fur.Mix(kWhite, 0.3), fur);
    cairo_fill(cr);
    for (const double s : {-1.0, 1.0}) {
        cairo_move_to(cr, s * 31, -12);
        cairo_line_to(cr, s * 30, -34);
        cairo_line_to(cr, s * 16, -20);
        cairo_close_path(cr);
        kPink.Use(cr);
        cairo_fill(cr);
        Ellipse(cr, s * 15, 2, 7, 9);
        Ink(cr, kGreen.Mix(kYellow, 0.4));
        Ellipse(cr, s * 15, 3, 2.5, 6.5);
        kInk.Use(cr);
        cairo_fill(cr);
        for (const double dy : {-3.0, 4.0}) {
            cairo_move_to(cr, s * 20, 20 + dy);
            cairo_line_to(cr, s * 46, 16 + dy * 2);
        }
        shapes::Outline(cr, kInk, 2);
    }
    cairo_move_to(cr, -6, 14);
    cairo_line_to(cr, 6, 14);
    cairo_line_to(cr, 0, 21);
    cairo_close_path(cr);
    Ink(cr, kPink);
    cairo_arc(cr, -6, 22, 6, 0.2, kPi - 0.4);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 6, 22, 6, 0.4, kPi - 0.2);
    shapes::Outline(cr, kInk, 2.5);
}

void Butterfly(cairo_t* cr) {
    for (const double s : {-1.0, 1.0}) {
        Ellipse(cr, s * 22, -14, 22, 17, s * -0.5);
        InkGradient(cr, -34, 4, kPurple.Mix(kWhite, 0.4), kPurple);
        Ellipse(cr, s * 17, 17, 15, 13, s * 0.5);
        InkGradient(cr, 4, 32, kSky.Mix(kWhite, 0.3), kBlue);
        shapes::Circle(cr, s * 25, -16, 7);
        Ink(cr, kYellow);
        shapes::Circle(cr, s * 18, 18, 4.5);
        Ink(cr, kPink);
        cairo_move_to(cr, s * 2, -22);
        cairo_curve_to(cr, s * 4, -34, s * 10, -42, s * 16, -44);
        shapes::Outline(cr, kInk, 2.5);
        shapes::Circle(cr, s * 16, -44, 3.5);
        kInk.Use(cr);
        cairo_fill(cr);
    }
    Ellipse(cr, 0, 2, 6, 27);
    InkGradient(cr, -25, 29, kInkSoft, kInk);
}

void Mushroom(cairo_t* cr) {
    const Colour cream = Colour::Hex(0xFFF1D6);
    shapes::RoundedRect(cr, -15, -8, 30, 52, 10);
    InkGradient(cr, -8, 44, cream, cream.Mix(kOrange, 0.25));
    cairo_move_to(cr, -46, 2);
    cairo_curve_to(cr, -46, -30, -24, -44, 0, -44);
    cairo_curve_to(cr, 24, -44, 46, -30, 46, 2);
    cairo_curve_to(cr, 30, 8, -30, 8, -46, 2);
    cairo_close_path(cr);
    InkGradient(cr, -44, 6, kRed.Mix(kWhite, 0.2), kRed.Mix(kInk, 0.2));
    const double spots[][3] = {{-24, -18, 7}, {2, -32, 6}, {22, -14, 8}, {-4, -12, 5}, {-36, -4, 4}, {37, -3, 4}};
    for (const auto& s : spots) {
        shapes::Circle(cr, s[0], s[1], s[2]);
        kWhite.Use(cr);
        cairo_fill(cr);
    }
}

}  // namespace motifs::parts
