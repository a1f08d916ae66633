// menu1.PNG: the main page panel with the game's name and the language
// choice, the smaller panels and the two language pictures of the picture page.
#include "sheets/Sheets.h"

#include <string>

#include "Decor.h"
#include "Palette.h"
#include "RegionMap.h"
#include "Shapes.h"
#include "SoftShadow.h"
#include "Text.h"
#include "Widgets.h"
#include "sheets/SheetParts.h"

namespace {

using namespace palette;
constexpr const char* kSheet = "menu1.PNG";

// The program draws the language buttons (24 x 24) at these panel positions;
// the panel shows next to each one which language it stands for.
constexpr double kGermanButtonX = 76;
constexpr double kEnglishButtonX = 224;
constexpr double kLanguageButtonY = 552;

void LanguageTag(cairo_t* cr, double buttonX, bool german) {
    const double y = kLanguageButtonY;
    shapes::RoundedRect(cr, buttonX - 8, y - 5, 120, 34, 17);
    kPanelHeader.Use(cr);
    cairo_fill_preserve(cr);
    shapes::Outline(cr, kPanelBorder.WithAlpha(0.55), 1.5);
    if (german) {
        widgets::GermanFlag(cr, buttonX + 33, y, 36, 24);
    } else {
        widgets::BritishFlag(cr, buttonX + 33, y, 36, 24);
    }
    text::Style label;
    label.size = 18;
    text::Centred(cr, german ? "DE" : "EN", buttonX + 91, y + 12, label);
}

void MainPanel(cairo_t* cr) {
    const Rect r = RegionRect(kSheet, "main panel");
    RegionScope scope(cr, r);
    widgets::Panel(cr, r.Width(), r.Height(), 138);

    // a few bright figures around the name
    struct Spark {
        decor::Figure figure;
        double x, y, size, turn;
        Colour colour;
    };
    const Spark sparks[] = {
        {decor::Figure::Star, 38, 32, 20, -0.2, kYellow},   {decor::Figure::Circle, 60, 118, 11, 0, kPink},
        {decor::Figure::Plus, 352, 28, 15, 0.3, kGreen},    {decor::Figure::Star, 364, 116, 16, 0.25, kOrange},
        {decor::Figure::Triangle, 200, 124, 12, 0, kSky},   {decor::Figure::Circle, 130, 20, 8, 0, kPurple},
        {decor::Figure::Square, 272, 20, 10, 0.4, kTeal},
    };
    for (const Spark& s : sparks) {
        decor::InkedFigure(cr, s.figure, s.x, s.y, s.size, s.turn, s.colour, 1.5);
    }

    decor::Logo(cr, r.Width() / 2.0, 74, 58);

    text::Style caption;
    caption.size = 15;
    caption.fill = kInkSoft;
    text::Centred(cr, "Sprache \xC2\xB7 Language", r.Width() / 2.0, 527, caption);  // UTF-8 middle dot
    LanguageTag(cr, kGermanButtonX, true);
    LanguageTag(cr, kEnglishButtonX, false);
}

// The picture page's closing image: a ribbon with notched ends carrying a
// greeting (a decoration, so it looks unlike the buttons).
void Picture(cairo_t* cr, const char* name, const char* greeting) {
    const Rect r = RegionRect(kSheet, name);
    RegionScope scope(cr, r);
    const double w = r.Width();
    const double top = 6;
    const double bottom = 56;
    const double notch = 16;
    auto ribbon = [&](cairo_t* c) {
        cairo_move_to(c, 3, top);
        cairo_line_to(c, w - 3, top);
        cairo_line_to(c, w - 3 - notch, (top + bottom) / 2);
        cairo_line_to(c, w - 3, bottom);
        cairo_line_to(c, 3, bottom);
        cairo_line_to(c, 3 + notch, (top + bottom) / 2);
        cairo_close_path(c);
    };
    DrawSoftShadow(cr, 0, 0, r.Width(), r.Height(), ribbon, 0, 3, 4, kShadow.WithAlpha(0.3));
    ribbon(cr);
    shapes::FillGradient(cr, top, bottom, kYellow.Mix(kWhite, 0.55), kYellow.Mix(kOrange, 0.25));
    cairo_new_path(cr);
    cairo_save(cr);
    ribbon(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, top, w, (bottom - top) * 0.45);
    shapes::Sheen(cr, top, top + (bottom - top) * 0.45, 0.6);
    cairo_restore(cr);
    cairo_new_path(cr);
    ribbon(cr);
    shapes::Outline(cr, kInk, 2);

    text::Style style;
    style.face = text::Face::Title;
    style.size = 22;
    const double room = w - 2 * (notch + 14);
    const double width = text::Width(cr, greeting, style.face, style.size);
    if (width > room) {
        style.size *= room / width;
    }
    text::Centred(cr, greeting, w / 2, (top + bottom) / 2, style);
}

}  // namespace

void PaintMenu1(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    MainPanel(cr);
    PanelRegion(cr, kSheet, "small panel");
    PanelRegion(cr, kSheet, "panel 350");
    PanelRegion(cr, kSheet, "result panel");
    Picture(cr, "picture de", "Viel Spa\xC3\x9F beim Knobeln!");  // UTF-8 sharp s
    Picture(cr, "picture en", "Have fun puzzling!");
}
