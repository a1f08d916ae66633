// menu2.PNG: the large panel and every menu button with its highlighted copy.
#include "sheets/Sheets.h"

#include <functional>
#include <numbers>
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

// A dot with a darker rim, a solid block and a line with soft long edges,
// all white: the chart draws them in its colours.
void PaintChartPieces(cairo_t* cr) {
    {
        const Rect r = RegionRect(kSheet, "chart dot");
        RegionScope scope(cr, r);
        const double c = r.Width() / 2.0;
        cairo_arc(cr, c, c, c - 1.5, 0, 2 * std::numbers::pi);
        cairo_set_source_rgb(cr, 0.55, 0.55, 0.55);
        cairo_fill(cr);
        cairo_arc(cr, c, c, c - 4.0, 0, 2 * std::numbers::pi);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    {
        // White beyond the block as well: stretched far, its edge texels blend
        // with their neighbours, which must not fade it.
        const Rect r = RegionRect(kSheet, "chart block");
        cairo_rectangle(cr, r.left - 2, r.top - 2, r.Width() + 4, r.Height() + 4);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    {
        // Rows: clear, half, four solid, half, clear; beyond both ends as well,
        // so that segments drawn end to end join without a gap.
        const Rect r = RegionRect(kSheet, "chart line");
        const double alpha[] = {0, 0.5, 1, 1, 1, 1, 0.5, 0};
        for (int row = 0; row < r.Height(); ++row) {
            cairo_rectangle(cr, r.left - 2, r.top + row, r.Width() + 4, 1);
            cairo_set_source_rgba(cr, 1, 1, 1, alpha[row]);
            cairo_fill(cr);
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
    // The chooser's arrows: the scroll arrow turned a quarter either way.
    for (const auto& [name, turn] : {std::pair{"scroll left", -0.5}, std::pair{"scroll right", 0.5}}) {
        ButtonPair(cr, name, widgets::NormalLook(), [turn](cairo_t* c, double w, double h) {
            cairo_save(c);
            cairo_translate(c, w / 2, h / 2 - 1.5);
            cairo_rotate(c, turn * std::numbers::pi);
            widgets::ArrowIcon(c, 0, 0, 24, true, palette::kInk);
            cairo_restore(c);
        });
    }
    PaintChartPieces(cr);
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
