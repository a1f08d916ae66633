// assetgen: draws the game's textures and synthesizes its sound effects.
//   assetgen <asset folder>
//   assetgen --contact-sheet <asset folder> <output folder>
//   assetgen --icons <output folder>     (the desktop's icons of the program)
#include <cstring>
#include <iostream>
#include <string>

#include "AppIcon.h"
#include "AssetWriter.h"
#include "ContactSheet.h"
#include "Text.h"

int main(int argc, char** argv) {
    std::string error;
    bool ok = false;
    if (argc == 2 && argv[1][0] != '-') {
        ok = WriteAllAssets(argv[1], error);
    } else if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) {
        ok = WriteDesktopIcons(argv[2], error);
    } else if (argc == 4 && std::strcmp(argv[1], "--contact-sheet") == 0) {
        ok = WriteContactSheets(argv[2], argv[3], error);
    } else {
        std::cerr << "usage: assetgen <asset folder>\n"
                     "       assetgen --contact-sheet <asset folder> <output folder>\n"
                     "       assetgen --icons <output folder>\n";
        return 2;
    }
    text::ReleaseFontCaches();
    if (!ok) {
        std::cerr << "assetgen: " << error << "\n";
        return 1;
    }
    return 0;
}
