#include "AssetCatalog.h"

#include "sheets/Sheets.h"

namespace {

// Sheets whose game art is still to come: transparent, at full size. To draw
// one, add its painter in sheets/ (declared in Sheets.h), name it below and
// mark its regions painted in the region map, so the tests check them.
void Blank(Canvas&) {}

}  // namespace

const std::vector<TextureSheet>& TextureSheets() {
    static const std::vector<TextureSheet> sheets = {
        {"splash.PNG", 1024, 1124, PaintSplash},
        {"misc1.PNG", 1000, 700, PaintMisc1},
        {"misc2.PNG", 550, 600, PaintMisc2},
        {"misc3.PNG", 550, 400, Blank},
        {"misc4.PNG", 600, 850, Blank},
        {"menu1.PNG", 1000, 1000, PaintMenu1},
        {"menu2.PNG", 800, 800, PaintMenu2},
        {"menu3.PNG", 400, 700, PaintMenu3},
        {"back1.PNG", 600, 900, [](Canvas& c) { PaintBack(c, 1); }},
        {"back2.PNG", 600, 900, [](Canvas& c) { PaintBack(c, 2); }},
        {"back3.PNG", 600, 900, [](Canvas& c) { PaintBack(c, 3); }},
        {"back4.PNG", 600, 450, [](Canvas& c) { PaintBack(c, 4); }},
        {"MemoryCards1.png", 352, 896, Blank},
        {"MemoryCards2.png", 352, 896, Blank},
        {"Memory_Muster.PNG", 520, 130, Blank},
        {"bg.PNG", 1024, 768, PaintBg},
    };
    return sheets;
}
