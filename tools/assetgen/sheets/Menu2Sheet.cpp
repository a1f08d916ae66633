// menu2.PNG: the large panel and every menu button with its highlighted copy.
#include "sheets/Sheets.h"

#include <functional>
#include <string>

#include "Palette.h"
#include "RegionMap.h"
#include "Widgets.h"
#include "sheets/SheetParts.h"

namespace {

constexpr const char* kSheet = "menu2.PNG";

using Icon = std::function<void(cairo_t*, double w, double h)>;

// Paints a button and its highlighted copy (the region below it).
void ButtonPair(cairo_t* cr, const std::string& name, const widgets::ButtonLook& normal,
                const Icon& icon = nullptr) {
    const Rect rect = RegionRect(kSheet, name);
    const Rect lit = RegionRect(kSheet, name + " lit");
    for (const auto& [r, look] : {std::pair{rect, normal}, std::pair{lit, widgets::HotLook()}}) {
        RegionScope scope(cr, r);
        widgets::Button(cr, r.Width(), r.Height(), look);
        if (icon) {
            icon(cr, r.Width(), r.Height());
        }
    }
}

}  // namespace

void PaintMenu2(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // The statistics page fills this panel with sixteen lines right up to its
    // title: no title band, whose seam would cross the lines.
    PanelRegion(cr, kSheet, "large panel", 0);
    ButtonPair(cr, "wide", widgets::NormalLook());
    ButtonPair(cr, "short", widgets::NormalLook());
    ButtonPair(cr, "reset", widgets::AlertLook());
    ButtonPair(cr, "square", widgets::NormalLook(), [](cairo_t* c, double w, double h) {
        widgets::TickIcon(c, w / 2, h / 2 - 1.5, 24, palette::kInk);
    });
    ButtonPair(cr, "scroll up", widgets::NormalLook(), [](cairo_t* c, double w, double h) {
        widgets::ArrowIcon(c, w / 2, h / 2 - 1.5, 24, true, palette::kInk);
    });
    ButtonPair(cr, "scroll down", widgets::NormalLook(), [](cairo_t* c, double w, double h) {
        widgets::ArrowIcon(c, w / 2, h / 2 - 1.5, 24, false, palette::kInk);
    });
    {
        const Rect r = RegionRect(kSheet, "plain");
        RegionScope scope(cr, r);
        widgets::Button(cr, r.Width(), r.Height(), widgets::NormalLook());
    }
    for (const auto& [name, selected] : {std::pair{"language", false}, std::pair{"language on", true}}) {
        const Rect r = RegionRect(kSheet, name);
        RegionScope scope(cr, r);
        widgets::RadioDot(cr, r.Width(), selected);
    }
}
