#pragma once

#include "Canvas.h"

// One painter per texture sheet; region rectangles come from the region map.
void PaintSplash(Canvas& canvas);
void PaintBg(Canvas& canvas);
// back1.PNG ... back4.PNG: `sheet` 1 to 4.
void PaintBack(Canvas& canvas, int sheet);
void PaintMisc1(Canvas& canvas);
void PaintMisc2(Canvas& canvas);
void PaintMisc3(Canvas& canvas);
void PaintMisc4(Canvas& canvas);
// MemoryCards1.png and MemoryCards2.png: `sheet` 1 or 2.
void PaintMemoryCards(Canvas& canvas, int sheet);
void PaintMemoryMuster(Canvas& canvas);
void PaintMenu1(Canvas& canvas);
void PaintMenu2(Canvas& canvas);
void PaintMenu3(Canvas& canvas);
