#pragma once

#include <cairo.h>

// One colour as the drawing code uses it: straight (not premultiplied)
// channels from 0 to 1.
struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;

    static constexpr Colour Hex(unsigned rgb, double alpha = 1.0) {
        return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
    }
    constexpr Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
    // Linear blend towards another colour (t = 0 keeps this one).
    constexpr Colour Mix(const Colour& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
    }
    void Use(cairo_t* cr) const { cairo_set_source_rgba(cr, r, g, b, a); }
};

// The one palette of the whole game: light faces for everything the program
// writes black text on, a deep ink for outlines, and a few cheerful accents.
namespace palette {
inline constexpr Colour kInk = Colour::Hex(0x2B3A55);
inline constexpr Colour kInkSoft = Colour::Hex(0x5A6B8C);
inline constexpr Colour kWhite = Colour::Hex(0xFFFFFF);
inline constexpr Colour kShadow = Colour::Hex(0x1B2440);

inline constexpr Colour kPanelTop = Colour::Hex(0xFFFEFA);
inline constexpr Colour kPanelBottom = Colour::Hex(0xFFF4DE);
inline constexpr Colour kPanelHeader = Colour::Hex(0xE4EEFD);
inline constexpr Colour kPanelBorder = Colour::Hex(0x4E7DCB);

inline constexpr Colour kButtonTop = Colour::Hex(0xFFFFFF);
inline constexpr Colour kButtonBottom = Colour::Hex(0xDDEBFB);
inline constexpr Colour kButtonBorder = Colour::Hex(0x4E7DCB);
inline constexpr Colour kHotTop = Colour::Hex(0xFFFBE6);
inline constexpr Colour kHotBottom = Colour::Hex(0xFFDF8C);
inline constexpr Colour kHotBorder = Colour::Hex(0xE98A15);

inline constexpr Colour kBlue = Colour::Hex(0x3D8BE0);
inline constexpr Colour kSky = Colour::Hex(0x8CC8FF);
inline constexpr Colour kOrange = Colour::Hex(0xFFA43A);
inline constexpr Colour kYellow = Colour::Hex(0xFFD84A);
inline constexpr Colour kGreen = Colour::Hex(0x4FC27E);
inline constexpr Colour kRed = Colour::Hex(0xF0555F);
inline constexpr Colour kPink = Colour::Hex(0xFF7FAE);
inline constexpr Colour kPurple = Colour::Hex(0x9A7BEA);
inline constexpr Colour kTeal = Colour::Hex(0x33BFC0);
}  // namespace palette
