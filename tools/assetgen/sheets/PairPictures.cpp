// Memory_Muster.PNG: the sixteen pair pictures of the memory game, drawn on
// the white disc of a face-up card (at three quarters of their size on the
// smallest cards), so they are bold, bright and different in shape and colour.
#include "sheets/Sheets.h"

#include <string>

#include "Motifs.h"
#include "RegionMap.h"

void PaintMemoryMuster(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    for (int n = 0; n < static_cast<int>(motifs::Motif::kCount); ++n) {
        const Rect r = RegionRect("Memory_Muster.PNG", "picture " + std::to_string(n));
        RegionScope scope(cr, r);
        motifs::Draw(cr, static_cast<motifs::Motif>(n), r.Width() / 2.0, r.Height() / 2.0, 58);
    }
}
