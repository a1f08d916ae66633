// misc2.PNG: the help picture of the hidden-atoms game, shown beside the help
// text. Three small boards, framed by their lamps, show how a ray runs: it is
// absorbed when it meets an atom head-on, turns away from an atom diagonally
// ahead and comes straight back when such an atom stands beside its entry.
// On the right of each board the lamp as the game then shows it.
#include "sheets/RegionGroups.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "Canvas.h"
#include "GameIcons.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"

namespace {

using namespace palette;
constexpr double kPi = std::numbers::pi;

constexpr double kCell = 20;
constexpr int kColumns = 5;  // board cells; lamps frame them
constexpr int kRows = 3;
constexpr double kPanelH = 110;
const Colour kRay = kGreen;

struct Panel {
    double top;
    // Cell (c, r): board cells 0..4 x 0..2, lamps at -1 and 5 / -1 and 3.
    double X(double c) const { return 14 + (c + 1) * kCell + kCell / 2; }
    double Y(double r) const { return top + 6 + (r + 1) * kCell + kCell / 2; }
};

void LampCell(cairo_t* cr, double cx, double cy, double size, const Colour& light) {
    shapes::RoundedRect(cr, cx - size / 2 + 1, cy - size / 2 + 1, size - 2, size - 2, size * 0.18);
    shapes::FillGradient(cr, cy - size / 2, cy + size / 2, light.Mix(kWhite, 0.5), light);
    shapes::Outline(cr, kInkSoft, 1.5);
}

void Board(cairo_t* cr, const Panel& p, const std::vector<std::pair<int, int>>& lit) {
    for (int r = -1; r <= kRows; ++r) {
        for (int c = -1; c <= kColumns; ++c) {
            const bool lampColumn = c < 0 || c == kColumns;
            const bool lampRow = r < 0 || r == kRows;
            if (lampColumn && lampRow) {
                continue;  // no lamps in the corners
            }
            if (lampColumn || lampRow) {
                bool on = false;
                for (const auto& [lc, lr] : lit) {
                    on = on || (lc == c && lr == r);
                }
                LampCell(cr, p.X(c), p.Y(r), kCell, on ? kRay : Colour::Hex(0xF3F3F3));
            } else {
                cairo_rectangle(cr, p.X(c) - kCell / 2 + 0.5, p.Y(r) - kCell / 2 + 0.5, kCell - 1, kCell - 1);
                shapes::FillGradient(cr, p.Y(r) - kCell / 2, p.Y(r) + kCell / 2, kWhite, Colour::Hex(0xDCDCDC));
                shapes::Outline(cr, Colour::Hex(0x9A9A9A), 1);
            }
        }
    }
}

// The ray as a thick line through the given points, with an arrow head at the end.
void Ray(cairo_t* cr, const std::vector<std::pair<double, double>>& points) {
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& [x, y] : points) {
            cairo_line_to(cr, x, y);
        }
        shapes::Outline(cr, pass == 0 ? kInk : kRay, pass == 0 ? 6.5 : 3.5);
    }
    const auto [x1, y1] = points.back();
    const auto [x0, y0] = points[points.size() - 2];
    const double a = std::atan2(y1 - y0, x1 - x0);
    cairo_move_to(cr, x1 + 6 * std::cos(a), y1 + 6 * std::sin(a));
    cairo_line_to(cr, x1 + 7 * std::cos(a + 2.3), y1 + 7 * std::sin(a + 2.3));
    cairo_line_to(cr, x1 + 7 * std::cos(a - 2.3), y1 + 7 * std::sin(a - 2.3));
    cairo_close_path(cr);
    kRay.Use(cr);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kInk, 1.5);
}

void Frame(cairo_t* cr, const Panel& p) {
    auto card = [&p](cairo_t* c) { shapes::RoundedRect(c, 4, p.top + 2, 292, kPanelH - 4, 14); };
    DrawSoftShadow(cr, 0, p.top, 300, static_cast<int>(kPanelH) + 2, card, 0, 2, 4, kShadow.WithAlpha(0.3));
    card(cr);
    shapes::FillGradient(cr, p.top, p.top + kPanelH, kWhite, kPanelHeader);
    shapes::Outline(cr, kPanelBorder, 2);
}

// "leads to": an arrow between the board and the lamp on the right.
void Arrow(cairo_t* cr, double y) {
    cairo_move_to(cr, 172, y);
    cairo_line_to(cr, 196, y);
    shapes::Outline(cr, kInkSoft, 4);
    cairo_move_to(cr, 203, y);
    cairo_line_to(cr, 193, y - 7);
    cairo_line_to(cr, 193, y + 7);
    cairo_close_path(cr);
    kInkSoft.Use(cr);
    cairo_fill(cr);
}

void Absorbed(cairo_t* cr, const Panel& p) {
    Board(cr, p, {});
    icons::Atom(cr, p.X(3), p.Y(1), 8);
    Ray(cr, {{p.X(-1), p.Y(1)}, {p.X(2) + 2, p.Y(1)}});
    const double y = p.Y(1);
    Arrow(cr, y);
    LampCell(cr, 245, y, 46, Colour::Hex(0xF3F3F3));
    icons::AbsorbedMark(cr, 245, y, 34);
}

void Deflected(cairo_t* cr, const Panel& p) {
    Board(cr, p, {{-1, 2}, {2, 3}});
    icons::Atom(cr, p.X(3), p.Y(1), 8);
    Ray(cr, {{p.X(-1), p.Y(2)}, {p.X(2), p.Y(2)}, {p.X(2), p.Y(3) - 3}});
    const double y = p.Y(1);
    Arrow(cr, y);
    LampCell(cr, 226, y, 30, kRay);
    LampCell(cr, 268, y, 30, kRay);
    cairo_move_to(cr, 241, y);
    cairo_line_to(cr, 253, y);
    shapes::Outline(cr, kInk, 2.5);
}

void Reflected(cairo_t* cr, const Panel& p) {
    Board(cr, p, {});
    icons::Atom(cr, p.X(0), p.Y(0), 8);
    // in at the edge and straight back out
    const double x0 = p.X(-1) - 4;
    const double turn = p.X(0) - 4;
    const double y = p.Y(1);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, x0, y - 5);
        cairo_line_to(cr, turn, y - 5);
        cairo_arc(cr, turn, y, 5, -kPi / 2, kPi / 2);
        cairo_line_to(cr, x0 + 4, y + 5);
        shapes::Outline(cr, pass == 0 ? kInk : kRay, pass == 0 ? 6.5 : 3.5);
    }
    Arrow(cr, y);
    LampCell(cr, 245, y, 46, Colour::Hex(0xF3F3F3));
    icons::ReflectedMark(cr, 245, y, 34);
}

}  // namespace

void PaintAtomsHelp(cairo_t* cr) {
    RegionScope scope(cr, RegionRect("misc2.PNG", "atoms help"));
    void (*const rules[])(cairo_t*, const Panel&) = {Absorbed, Deflected, Reflected};
    for (int i = 0; i < 3; ++i) {
        const Panel panel{i * (kPanelH + 3)};
        Frame(cr, panel);
        rules[i](cr, panel);
    }
}
