// misc2.PNG: the result-page veil; operator pictures, the round cards and the
// atoms help picture follow later in the regions the map lists for this sheet.
#include "sheets/Sheets.h"

#include "sheets/SheetParts.h"

void PaintMisc2(Canvas& canvas) { VeilRegion(canvas.Cr(), "misc2.PNG", "veil"); }
