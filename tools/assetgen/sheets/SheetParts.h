#pragma once

#include <cairo.h>

#include <string>

#include "Widgets.h"

// Whole regions painted the same way on several sheets.

// A menu panel filling the named region.
void PanelRegion(cairo_t* cr, const std::string& texture, const std::string& name,
                 double header = widgets::kHeaderHeight);

// A veil: the named region uniformly opaque. The game draws it stretched over
// the whole screen in a translucent black, so only its alpha counts.
void VeilRegion(cairo_t* cr, const std::string& texture, const std::string& name);
