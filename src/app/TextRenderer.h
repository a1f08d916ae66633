#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Font.h"
#include "app/SyncList.h"

// Draws text for every screen: the list of fonts the screens added, and a
// default font ("Arial" 15, id -1) for ids no listed font has. Text is
// Windows-1252; a null text draws nothing, as does a font whose face could
// not be created. Formats are the platform::dt flags.
class TextRenderer : public SyncList<Font> {
public:
    TextRenderer() = default;
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // The listed font of this face and size; a new one (given the next id and
    // appended) the first time. Ids count 0, 1, 2, ... in the order of the
    // first additions.
    Font* AddFont(const std::string& faceName, double size);

    // The first listed font with the id, else the default font.
    Font* GetFont(int fontId);
    Font* DefaultFont();

    // Draws text into the rectangle with the font.
    void DrawText(const char* text, int left, int top, int right, int bottom, uint32_t colour,
                  uint32_t format, Font* font);
    void DrawText(const std::string& text, int left, int top, int right, int bottom, uint32_t colour,
                  uint32_t format, Font* font);
    // Draws text into the rectangle with the font of the id (GetFont).
    void DrawText(const char* text, int left, int top, int right, int bottom, uint32_t colour,
                  uint32_t format, int fontId);
    void DrawText(const std::string& text, int left, int top, int right, int bottom, uint32_t colour,
                  uint32_t format, int fontId);

    // Draws text anchored at (x, y): the format's alignment flags choose a
    // screen-sized rectangle around the point (DT_CENTER centres it on x,
    // DT_RIGHT ends it at x, otherwise it starts at x; DT_VCENTER centres it
    // on y, otherwise it starts at y), then the text is drawn into it with
    // the same format.
    void DrawTextAt(const char* text, float x, float y, uint32_t colour, uint32_t format, Font* font);
    void DrawTextAt(const std::string& text, float x, float y, uint32_t colour, uint32_t format, Font* font);
    void DrawTextAt(const char* text, float x, float y, uint32_t colour, uint32_t format, int fontId);
    void DrawTextAt(const std::string& text, float x, float y, uint32_t colour, uint32_t format, int fontId);

    // Device reset: lost handling before the reset, reset handling after it
    // (for the default font and every listed font; reset handling also makes
    // every other font alive, a game's own included, forget its rendered text).
    void OnLostDevice();
    void OnResetDevice();
    // Deletes the default font and every listed font, and takes the face from
    // any font still alive elsewhere, so that nothing of the renderer is held
    // any more. Ids start at 0 again.
    void Release();

    // Fonts announce themselves while they exist.
    void Track(Font* font);
    void Untrack(Font* font);

private:
    std::unique_ptr<Font> defaultFont;
    int nextFontId = 0;
    std::vector<Font*> liveFonts;
};

// The one TextRenderer, created on the first call; it lives until the
// process ends.
TextRenderer* GetTextRenderer();
