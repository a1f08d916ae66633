// MemoryCards1.png / MemoryCards2.png: the 52 faces of the card memory game
// and the card back. Face n is suit n / 13 (spades, hearts, diamonds, clubs)
// and rank n % 13 (ace, 2 to 10, jack, queen, king). The game shrinks the
// cards to 50 x 75 pixels, so ranks and suits are bold and the court cards
// show their letter large. The back is also every card's shadow: faces and
// back share one rounded outline whose alpha is exactly its coverage.
#include "sheets/Sheets.h"

#include <numbers>
#include <string>
#include <vector>

#include "Decor.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "Suits.h"
#include "Text.h"

namespace {

using namespace palette;
using suits::Suit;
constexpr double kW = 88;
constexpr double kH = 128;
constexpr double kPi = std::numbers::pi;

void Outline(cairo_t* cr) { shapes::RoundedRect(cr, 1, 1, kW - 2, kH - 2, 8); }

const char* const kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Pip positions of the number cards 2 to 10 in the card's middle field.
struct Pip {
    double x, y;
};
constexpr double kL = 31;
constexpr double kM = 44;
constexpr double kR = 57;
constexpr double kTop = 27;
constexpr double kBottom = 101;
constexpr double Row(int i) { return kTop + i * (kBottom - kTop) / 3; }
constexpr double kMid = (kTop + kBottom) / 2;

std::vector<Pip> Pips(int count) {
    std::vector<Pip> pips;
    auto pair = [&](double y) {
        pips.push_back({kL, y});
        pips.push_back({kR, y});
    };
    switch (count) {
        case 2: pips = {{kM, kTop}, {kM, kBottom}}; break;
        case 3: pips = {{kM, kTop}, {kM, kMid}, {kM, kBottom}}; break;
        case 4: pair(kTop); pair(kBottom); break;
        case 5: pair(kTop); pair(kBottom); pips.push_back({kM, kMid}); break;
        case 6: pair(kTop); pair(kMid); pair(kBottom); break;
        case 7: pair(kTop); pair(kMid); pair(kBottom); pips.push_back({kM, (kTop + kMid) / 2}); break;
        case 8:
            pair(kTop); pair(kMid); pair(kBottom);
            pips.push_back({kM, (kTop + kMid) / 2});
            pips.push_back({kM, (kMid + kBottom) / 2});
            break;
        case 9:
            for (int i = 0; i < 4; ++i) pair(Row(i));
            pips.push_back({kM, kMid});
            break;
        default:
            for (int i = 0; i < 4; ++i) pair(Row(i));
            pips.push_back({kM, (Row(0) + Row(1)) / 2});
            pips.push_back({kM, (Row(2) + Row(3)) / 2});
            break;
    }
    return pips;
}

// Rank and suit in the top-left corner; the caller turns the card for the other corner.
void Index(cairo_t* cr, Suit suit, const std::string& rank) {
    text::Style style;
    style.size = rank.size() > 1 ? 19 : 24;
    style.fill = suits::Of(suit);
    text::Centred(cr, rank, 13, 16, style);
    suits::Draw(cr, suit, 13, 36, 14);
}

// A crown for the king, a tiara for the queen, a cap with a feather for the jack.
void Headwear(cairo_t* cr, int rank, double cx, double cy, const Colour& colour) {
    cairo_new_path(cr);
    if (rank == 12) {
        const double pts[][2] = {{-14, 8}, {-16, -8}, {-8, 0}, {0, -12}, {8, 0}, {16, -8}, {14, 8}};
        for (const auto& p : pts) cairo_line_to(cr, cx + p[0], cy + p[1]);
        cairo_close_path(cr);
    } else if (rank == 11) {
        const double pts[][2] = {{-14, 8}, {-14, 0}, {-8, -6}, {-4, 0}, {0, -10}, {4, 0}, {8, -6}, {14, 0}, {14, 8}};
        for (const auto& p : pts) cairo_line_to(cr, cx + p[0], cy + p[1]);
        cairo_close_path(cr);
        shapes::Circle(cr, cx - 8, cy - 8, 2.5);
        shapes::Circle(cr, cx, cy - 12, 3);
        shapes::Circle(cr, cx + 8, cy - 8, 2.5);
    } else {
        cairo_move_to(cr, cx - 14, cy + 8);
        cairo_curve_to(cr, cx - 14, cy - 8, cx + 14, cy - 8, cx + 14, cy + 8);
        cairo_close_path(cr);
        cairo_move_to(cr, cx + 4, cy - 3);
        cairo_curve_to(cr, cx + 12, cy - 16, cx + 20, cy - 14, cx + 22, cy - 18);
        cairo_curve_to(cr, cx + 20, cy - 8, cx + 14, cy - 4, cx + 8, cy + 1);
        cairo_close_path(cr);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    shapes::FillGradient(cr, cy - 14, cy + 8, kYellow.Mix(kWhite, 0.3), kYellow.Mix(kOrange, 0.4));
    shapes::Outline(cr, colour, 2);
}

// Each suit's own light colour behind court figures and aces, so that even
// the two black and the two red suits differ at a glance on small cards.
Colour Accent(Suit suit) {
    switch (suit) {
        case Suit::Spades: return kBlue;
        case Suit::Hearts: return kPink;
        case Suit::Diamonds: return kOrange;
        case Suit::Clubs: return kGreen;
    }
    return kBlue;
}

void Court(cairo_t* cr, Suit suit, int rank) {
    const Colour ink = suits::Of(suit);
    shapes::RoundedRect(cr, 22, 18, 44, 92, 6);
    shapes::FillGradient(cr, 18, 110, Accent(suit).Mix(kWhite, 0.82), Accent(suit).Mix(kWhite, 0.55));
    shapes::Outline(cr, ink, 1.8);
    Headwear(cr, rank, 44, 38, ink);
    text::Style letter;
    letter.face = text::Face::Title;
    letter.size = 42;
    letter.fill = ink;
    text::Centred(cr, kRanks[rank], 44, 72, letter);
    suits::Draw(cr, suit, 44, 97, 15);
}

void Face(cairo_t* cr, int n) {
    const Suit suit = static_cast<Suit>(n / 13);
    const int rank = n % 13;
    shapes::VerticalGradient(cr, 0, kH, kWhite, kPanelTop.Mix(kPanelBottom, 0.5));
    cairo_paint(cr);
    shapes::RoundedRect(cr, 4, 4, kW - 8, kH - 8, 5);
    shapes::Outline(cr, suits::Of(suit).WithAlpha(0.18), 1.5);
    for (const bool turned : {false, true}) {
        cairo_save(cr);
        if (turned) {
            cairo_translate(cr, kW, kH);
            cairo_rotate(cr, kPi);
        }
        Index(cr, suit, kRanks[rank]);
        cairo_restore(cr);
    }
    if (rank == 0) {
        shapes::Circle(cr, kW / 2, kH / 2, 27);
        shapes::FillGradient(cr, kH / 2 - 27, kH / 2 + 27, Accent(suit).Mix(kWhite, 0.85), Accent(suit).Mix(kWhite, 0.6));
        shapes::Outline(cr, Accent(suit), 2);
        suits::Draw(cr, suit, kW / 2, kH / 2, 40);
    } else if (rank >= 10) {
        Court(cr, suit, rank);
    } else {
        for (const Pip& p : Pips(rank + 1)) {
            suits::Draw(cr, suit, p.x, p.y, 15, p.y > kMid + 1);
        }
    }
    Outline(cr);
    shapes::Outline(cr, kInk, 2.5);
}

void Back(cairo_t* cr) {
    shapes::VerticalGradient(cr, 0, kH, kBlue.Mix(kWhite, 0.15), kBlue.Mix(kInk, 0.25));
    cairo_paint(cr);
    // a lattice of diamonds
    cairo_save(cr);
    cairo_rectangle(cr, 8, 8, kW - 16, kH - 16);
    cairo_clip(cr);
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 7; ++col) {
            const double cx = 8 + col * 14 + (row % 2) * 7;
            const double cy = 8 + row * 11;
            cairo_move_to(cr, cx, cy - 5);
            cairo_line_to(cr, cx + 6, cy);
            cairo_line_to(cr, cx, cy + 5);
            cairo_line_to(cr, cx - 6, cy);
            cairo_close_path(cr);
        }
    }
    kWhite.WithAlpha(0.16).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    shapes::RoundedRect(cr, 8, 8, kW - 16, kH - 16, 4);
    shapes::Outline(cr, kWhite.WithAlpha(0.85), 2.5);
    decor::QuestionBadge(cr, kW / 2, kH / 2, 19);
    Outline(cr);
    shapes::Outline(cr, kInk, 2.5);
}

}  // namespace

void PaintMemoryCards(Canvas& canvas, int sheet) {
    cairo_t* cr = canvas.Cr();
    const std::string texture = sheet == 1 ? "MemoryCards1.png" : "MemoryCards2.png";
    for (int n = sheet == 1 ? 0 : 28; n < (sheet == 1 ? 28 : 52); ++n) {
        RegionScope scope(cr, RegionRect(texture, "face " + std::to_string(n)));
        shapes::PaintInside(cr, Outline, [n](cairo_t* c) { Face(c, n); });
    }
    if (sheet == 2) {
        RegionScope scope(cr, RegionRect(texture, "back"));
        shapes::PaintInside(cr, Outline, Back);
    }
}
