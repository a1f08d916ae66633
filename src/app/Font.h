#pragma once

#include <memory>
#include <string>

#include "platform/Renderer.h"

class TextRenderer;

// One bold face at one size. Screens add theirs to the TextRenderer
// (AddFont); a game may also create one of its own (id -1), owning it.
class Font {
public:
    // The face is created through the application's renderer with the
    // integer part of size as its line height. Without a renderer, or when no
    // face can be found, face stays null and the font draws nothing.
    Font(const std::string& faceName, double size, int id = -1);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Lost handling: a font with a face becomes lost.
    void OnLostDevice();
    // Reset handling: a lost font forgets the text its face rendered before
    // the reset and is no longer lost.
    void OnResetDevice();

    const int id;                // -1 for the default font and a game's own fonts
    const std::string faceName;  // as given
    const double size;           // the requested height
    std::unique_ptr<platform::FontFace> face;
    bool lost = false;

private:
    TextRenderer* tracker_;  // knows every font, to reach them all at a device reset
};
