#pragma once

#include <cairo.h>

// The game sheets hold many unrelated pieces; each group of regions is
// painted by its own file and called from its sheet's painter. Region
// rectangles come from the region map.

// misc1.PNG
void PaintBoardPieces(cairo_t* cr);     // cell, peg, atom marks, tick, operator box, text box, letter tile
void PaintBuildingShapes(cairo_t* cr);  // the four shapes of the picture building game
void PaintBalance(cairo_t* cr);         // stand, beam, pan, weight
void PaintClocks(cairo_t* cr);          // digital display, dial, hour and minute hands
void PaintReactionCards(cairo_t* cr);   // the two cards of the reaction games
void PaintPuzzlePictures(cairo_t* cr);  // the three sliding-puzzle pictures

// misc2.PNG
void PaintAtomsHelp(cairo_t* cr);       // the ray rules of the hidden-atoms game
void PaintRoundCards(cairo_t* cr);      // memory card face and the three backs
