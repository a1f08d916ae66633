#include "AppIcon.h"

#include <cairo-svg.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <system_error>

#include "Canvas.h"
#include "Decor.h"
#include "Palette.h"
#include "Shapes.h"

namespace {

using namespace palette;

// The drawing works on a 256 unit square.
constexpr double kUnits = 256;
constexpr double kOutline = 7;

// The box front: left, top, width, height.
constexpr double kBoxX = 56;
constexpr double kBoxY = 150;
constexpr double kBoxW = 144;
constexpr double kBoxH = 80;
constexpr double kDepth = 20;

void Plate(cairo_t* cr) {
    auto plate = [](cairo_t* c) { shapes::RoundedRect(c, 10, 10, 236, 236, 54); };
    plate(cr);
    shapes::RadialGradient(cr, 128, 140, 190, Colour::Hex(0xEAF3FF), Colour::Hex(0x6E9FE6));
    cairo_fill(cr);
    cairo_save(cr);
    plate(cr);
    cairo_clip(cr);
    // sun rays from behind the box
    shapes::Rays(cr, 128, 140, 12, 300, 0.1);
    kWhite.WithAlpha(0.2).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    plate(cr);
    shapes::Outline(cr, kInk, kOutline);
}

// A rounded tile with a white figure, turned about its centre; its shadow
// falls straight down.
void Tile(cairo_t* cr, double cx, double cy, double turn, const Colour& colour, decor::Figure figure) {
    constexpr double s = 54;
    auto body = [](cairo_t* c) { shapes::RoundedRect(c, -s / 2, -s / 2, s, s, s * 0.22); };
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 6);
    cairo_rotate(cr, turn);
    body(cr);
    kShadow.WithAlpha(0.25).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);

    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    body(cr);
    shapes::FillGradient(cr, -s / 2, s / 2, colour.Mix(kWhite, 0.35), colour);
    shapes::Outline(cr, kInk, kOutline * 0.8);
    decor::InkedFigure(cr, figure, 0, 1, s * 0.6, 0, kWhite, kOutline * 0.6);
    cairo_restore(cr);
}

void Quad(cairo_t* cr, const double (&p)[4][2]) {
    cairo_move_to(cr, p[0][0], p[0][1]);
    for (int i = 1; i < 4; ++i) {
        cairo_line_to(cr, p[i][0], p[i][1]);
    }
    cairo_close_path(cr);
}

// The open box behind its front: back flap, opening, the side flaps.
void BoxBack(cairo_t* cr) {
    const Colour wood = Colour::Hex(0xF39A3D);
    const Colour woodLight = Colour::Hex(0xFFC274);
    const double x = kBoxX;
    const double y = kBoxY;
    const double w = kBoxW;
    const double back[4][2] = {{x + 18, y - kDepth}, {x + 28, y - kDepth - 30}, {x + w - 28, y - kDepth - 30},
                               {x + w - 18, y - kDepth}};
    Quad(cr, back);
    shapes::FillGradient(cr, y - kDepth - 30, y - kDepth, wood, woodLight.Mix(wood, 0.5));
    shapes::Outline(cr, kInk, kOutline);
    const double opening[4][2] = {{x, y}, {x + 18, y - kDepth}, {x + w - 18, y - kDepth}, {x + w, y}};
    Quad(cr, opening);
    const Colour inside = Colour::Hex(0x8A4A1C);
    shapes::FillGradient(cr, y - kDepth, y, inside.Mix(kInk, 0.4), inside);
    shapes::Outline(cr, kInk, kOutline);
    for (const double sign : {-1.0, 1.0}) {
        const double bx = sign < 0 ? x : x + w;
        const double tx = bx - sign * 18;
        const double flap[4][2] = {{bx, y}, {tx, y - kDepth}, {tx + sign * 36, y - kDepth - 10}, {bx + sign * 38, y - 6}};
        Quad(cr, flap);
        shapes::FillGradient(cr, y - kDepth - 10, y, woodLight, wood);
        shapes::Outline(cr, kInk, kOutline);
    }
}

void BoxFront(cairo_t* cr) {
    shapes::RoundedRect(cr, kBoxX, kBoxY, kBoxW, kBoxH, 10);
    shapes::FillGradient(cr, kBoxY, kBoxY + kBoxH, Colour::Hex(0xFFB65C), Colour::Hex(0xE9822B));
    shapes::Outline(cr, kInk, kOutline);
    decor::QuestionBadge(cr, kBoxX + kBoxW / 2, kBoxY + kBoxH / 2 + 1, 27);
}

bool WritePngIcon(const std::filesystem::path& path, int pixels) {
    Canvas canvas(pixels, pixels);
    PaintAppIcon(canvas.Cr(), pixels);
    return canvas.WritePng(path.string());
}

}  // namespace

void PaintAppIcon(cairo_t* cr, double size) {
    cairo_save(cr);
    cairo_scale(cr, size / kUnits, size / kUnits);
    Plate(cr);
    BoxBack(cr);
    Tile(cr, 74, 94, -0.32, kGreen, decor::Figure::Plus);
    Tile(cr, 182, 94, 0.32, kPurple, decor::Figure::Puzzle);
    Tile(cr, 128, 66, 0.05, kRed, decor::Figure::Star);
    BoxFront(cr);
    cairo_restore(cr);
}

bool WriteDesktopIcons(const std::string& folder, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path root(folder);
    const fs::path svg = root / "icon.svg";
    cairo_surface_t* surface = cairo_svg_surface_create(svg.string().c_str(), kUnits, kUnits);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    PaintAppIcon(cr, kUnits);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool svgWritten = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!svgWritten) {
        error = "cannot write " + svg.string();
        return false;
    }
    for (const int pixels : {48, 128, 256}) {
        const fs::path png = root / ("icon-" + std::to_string(pixels) + ".png");
        if (!WritePngIcon(png, pixels)) {
            error = "cannot write " + png.string();
            return false;
        }
    }
    return true;
}
