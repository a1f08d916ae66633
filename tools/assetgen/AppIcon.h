#pragma once

#include <cairo.h>

#include <string>

// The program's icon: the toy box of the loading screen on a sky tile, with
// three puzzle tiles jumping out of it.

// Draws the icon into the square (0, 0)-(size, size) of the current user space.
void PaintAppIcon(cairo_t* cr, double size);

// The icon as the archive holds it for the window ("icon.PNG", this many pixels square).
inline constexpr const char* kWindowIconEntry = "icon.PNG";
inline constexpr int kWindowIconSize = 128;

// Writes the icon for the desktop's icon theme into `folder`: icon.svg and
// icon-48.png, icon-128.png, icon-256.png. False (with the reason) on failure.
bool WriteDesktopIcons(const std::string& folder, std::string& error);
