#include "AssetCatalog.h"

#include "sheets/Sheets.h"

const std::vector<TextureSheet>& TextureSheets() {
    static const std::vector<TextureSheet> sheets = {
        {"splash.PNG", 1024, 1124, PaintSplash},
        {"misc1.PNG", 1000, 700, PaintMisc1},
        {"misc2.PNG", 550, 600, PaintMisc2},
        {"misc3.PNG", 550, 400, PaintMisc3},
        {"misc4.PNG", 600, 850, PaintMisc4},
        {"menu1.PNG", 1000, 1000, PaintMenu1},
        {"menu2.PNG", 800, 800, PaintMenu2},
        {"menu3.PNG", 400, 700, PaintMenu3},
        {"back1.PNG", 600, 900, [](Canvas& c) { PaintBack(c, 1); }},
        {"back2.PNG", 600, 900, [](Canvas& c) { PaintBack(c, 2); }},
        {"back3.PNG", 600, 900, [](Canvas& c) { PaintBack(c, 3); }},
        {"back4.PNG", 600, 450, [](Canvas& c) { PaintBack(c, 4); }},
        {"MemoryCards1.png", 352, 896, [](Canvas& c) { PaintMemoryCards(c, 1); }},
        {"MemoryCards2.png", 352, 896, [](Canvas& c) { PaintMemoryCards(c, 2); }},
        {"Memory_Muster.PNG", 520, 130, PaintMemoryMuster},
        {"bg.PNG", 1024, 768, PaintBg},
    };
    return sheets;
}
