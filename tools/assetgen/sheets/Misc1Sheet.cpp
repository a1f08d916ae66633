// misc1.PNG: the mouse pointer and the countdown veil; the game pieces come
// from the region groups (board pieces, shapes, balance, clocks, reaction
// cards, puzzle pictures).
#include "sheets/Sheets.h"

#include <numbers>
#include <string>

#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"
#include "sheets/RegionGroups.h"
#include "sheets/SheetParts.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "misc1.PNG";

// The program puts the mouse position on this pixel of every pointer frame.
constexpr double kTipX = 8.5;
constexpr double kTipY = 14.5;

// The classic arrow with its tip at the origin, pointing up-left.
void ArrowPath(cairo_t* cr, double scale) {
    static const double points[][2] = {{0, 0},     {0, 23},      {5.6, 17.8}, {9.6, 26.6},
                                       {13.2, 25}, {9.3, 16.6},  {16.4, 16.6}};
    cairo_new_sub_path(cr);
    for (const auto& p : points) {
        cairo_line_to(cr, kTipX + p[0] * scale, kTipY + p[1] * scale);
    }
    cairo_close_path(cr);
}

// Frame 9 is the pointer at rest, frame 0 fully pressed: the arrow sinks a
// little (smaller, closer shadow), warms up and shows a ring at its tip.
void PointerFrame(cairo_t* cr, const Rect& r, int frame) {
    const double rest = frame / 9.0;  // 1 at rest, 0 pressed
    const double press = 1.0 - rest;
    const double scale = 0.86 + 0.14 * rest;
    auto path = [scale](cairo_t* c) { ArrowPath(c, scale); };

    if (press > 0) {
        cairo_new_path(cr);
        cairo_arc(cr, kTipX, kTipY, 2.5 + 3.5 * press, 0, 2 * std::numbers::pi);
        shapes::Outline(cr, kOrange.WithAlpha(0.85 * press), 1.5);
    }
    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), path, 1 + 1.5 * rest, 1.5 + 2 * rest, 3,
                   kShadow.WithAlpha(0.45));
    path(cr);
    shapes::FillGradient(cr, kTipY, kTipY + 27 * scale, kWhite, kButtonBottom.Mix(kHotBottom, press));
    shapes::Outline(cr, kInk, 2);
}

}  // namespace

void PaintMisc1(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < 10; ++f) {
        const Rect r = RegionRect(kSheet, "pointer " + std::to_string(f));
        RegionScope scope(cr, r);
        PointerFrame(cr, r, f);
    }
    VeilRegion(cr, kSheet, "veil");
    PaintBoardPieces(cr);
    PaintBuildingShapes(cr);
    PaintBalance(cr);
    PaintClocks(cr);
    PaintReactionCards(cr);
    PaintPuzzlePictures(cr);
}
