#pragma once

// Draws a box of any size behind a text: the 50 x 50 box (100, 450)-(150, 500)
// of misc1 cut into nine parts, its 5 x 5 corners unscaled at the corners of
// the rectangle, its 5-pixel edges stretched along the sides and its 40 x 40
// middle stretched over the inside.
void DrawTextBox(float left, float top, float width, float height);

// The same box centred on (centreX, centreY).
void DrawCentredTextBox(float centreX, float centreY, float width, float height);
