#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Canvas.h"

// Every texture the game loads: its archive entry, the size it is drawn at
// (the smallest that holds every region of the map) and its painter.
struct TextureSheet {
    std::string entry;
    int width;
    int height;
    std::function<void(Canvas&)> paint;
};

const std::vector<TextureSheet>& TextureSheets();

// The folder inside the asset folder that holds the sound effects; the
// archive names them "Sounds\<file>".
inline constexpr const char* kSoundFolder = "Sounds";
