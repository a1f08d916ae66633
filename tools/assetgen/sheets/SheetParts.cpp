#include "sheets/SheetParts.h"

#include "Canvas.h"
#include "Palette.h"
#include "RegionMap.h"

void PanelRegion(cairo_t* cr, const std::string& texture, const std::string& name, double header) {
    const Rect r = RegionRect(texture, name);
    RegionScope scope(cr, r);
    widgets::Panel(cr, r.Width(), r.Height(), header);
}

void VeilRegion(cairo_t* cr, const std::string& texture, const std::string& name) {
    RegionScope scope(cr, RegionRect(texture, name));
    palette::kInk.Use(cr);
    cairo_paint(cr);
}
