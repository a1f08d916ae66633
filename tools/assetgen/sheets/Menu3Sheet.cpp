// menu3.PNG: the tall panel of the game list.
#include "sheets/Sheets.h"

#include "sheets/SheetParts.h"

void PaintMenu3(Canvas& canvas) { PanelRegion(canvas.Cr(), "menu3.PNG", "game list panel"); }
