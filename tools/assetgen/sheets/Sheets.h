#pragma once

#include "Canvas.h"

// One painter per texture sheet. Each paints the regions of its sheet that
// exist today and leaves the rest transparent; region rectangles come from
// the region map.
void PaintSplash(Canvas& canvas);
void PaintBg(Canvas& canvas);
// back1.PNG ... back4.PNG: `sheet` 1 to 4.
void PaintBack(Canvas& canvas, int sheet);
void PaintMisc1(Canvas& canvas);
void PaintMisc2(Canvas& canvas);
void PaintMenu1(Canvas& canvas);
void PaintMenu2(Canvas& canvas);
void PaintMenu3(Canvas& canvas);
