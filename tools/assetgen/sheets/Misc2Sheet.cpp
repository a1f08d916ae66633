// misc2.PNG: the result-page veil, the operator pictures of the missing-
// operator game, the round memory cards and the hidden-atoms help picture.
#include "sheets/Sheets.h"

#include <string>

#include "GameIcons.h"
#include "Palette.h"
#include "RegionMap.h"
#include "sheets/RegionGroups.h"
#include "sheets/SheetParts.h"

namespace {

constexpr const char* kSheet = "misc2.PNG";

// The operator place with a sign on it: the plate of the empty operator box,
// and a green plate with a white sign for the blinking hint.
void Operators(cairo_t* cr) {
    const char* names[] = {"operator +", "operator -", "operator x", "operator /"};
    for (int op = 0; op < 4; ++op) {
        for (const bool lit : {false, true}) {
            RegionScope scope(cr, RegionRect(kSheet, std::string(names[op]) + (lit ? " lit" : "")));
            icons::OperatorPlate(cr, 50, lit);
            if (lit) {
                icons::OperatorSign(cr, op, 25, 24.5, 25, palette::kWhite, 1.5);
            } else {
                icons::OperatorSign(cr, op, 25, 24.5, 24, palette::kInk);
            }
        }
    }
}

}  // namespace

void PaintMisc2(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    VeilRegion(cr, kSheet, "veil");
    Operators(cr);
    PaintRoundCards(cr);
    PaintAtomsHelp(cr);
}
