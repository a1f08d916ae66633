#include "app/TextRenderer.h"

#include <algorithm>

#include "app/AppState.h"

namespace {

constexpr const char* kDefaultFace = "Arial";
constexpr double kDefaultSize = 15.0;

// The rectangle around an anchor point: screen-sized, placed by the
// alignment flags; fractions are cut off toward zero.
platform::Rect AnchorRect(float x, float y, uint32_t format, int screenWidth, int screenHeight) {
    platform::Rect rect{};
    if ((format & platform::dt::Center) != 0) {
        const int d = static_cast<int>(static_cast<float>(screenWidth / 2) - x);
        rect.left = -d;
        rect.right = screenWidth - d;
    } else if ((format & platform::dt::Right) != 0) {
        rect.left = 0;
        rect.right = static_cast<int>(x);
    } else {
        rect.left = static_cast<int>(x);
        rect.right = screenWidth;
    }
    if ((format & platform::dt::VCenter) != 0) {
        const int e = static_cast<int>(static_cast<float>(screenHeight / 2) - y);
        rect.top = -e;
        rect.bottom = screenHeight - e;
    } else {
        rect.top = static_cast<int>(y);
        rect.bottom = rect.top + screenHeight;
    }
    return rect;
}

}  // namespace

TextRenderer::~TextRenderer() { Release(); }

Font* TextRenderer::AddFont(const std::string& faceName, double size) {
    for (int i = 0; i < Count(); ++i) {
        Font* font = GetAt(i);
        if (font->faceName == faceName && font->size == size) {
            return font;
        }
    }
    Font* font = new Font(faceName, size, nextFontId);
    Add(font);
    ++nextFontId;
    return font;
}

Font* TextRenderer::GetFont(int fontId) {
    for (int i = 0; i < Count(); ++i) {
        Font* font = GetAt(i);
        if (font->id == fontId) {
            return font;
        }
    }
    return DefaultFont();
}

Font* TextRenderer::DefaultFont() {
    if (!defaultFont) {
        defaultFont = std::make_unique<Font>(kDefaultFace, kDefaultSize, -1);
    }
    return defaultFont.get();
}

void TextRenderer::DrawText(const char* text, int left, int top, int right, int bottom, uint32_t colour,
                            uint32_t format, Font* font) {
    AppState* app = GetAppState();
    if (text == nullptr || font == nullptr || !font->face || !app->renderer) {
        return;
    }
    app->renderer->DrawText(*font->face, text, platform::Rect{left, top, right, bottom}, format, colour);
}

void TextRenderer::DrawText(const std::string& text, int left, int top, int right, int bottom, uint32_t colour,
                            uint32_t format, Font* font) {
    DrawText(text.c_str(), left, top, right, bottom, colour, format, font);
}

void TextRenderer::DrawText(const char* text, int left, int top, int right, int bottom, uint32_t colour,
                            uint32_t format, int fontId) {
    // The default font is made only when there is something to draw it on.
    if (text == nullptr || !GetAppState()->renderer) {
        return;
    }
    DrawText(text, left, top, right, bottom, colour, format, GetFont(fontId));
}

void TextRenderer::DrawText(const std::string& text, int left, int top, int right, int bottom, uint32_t colour,
                            uint32_t format, int fontId) {
    DrawText(text.c_str(), left, top, right, bottom, colour, format, fontId);
}

void TextRenderer::DrawTextAt(const char* text, float x, float y, uint32_t colour, uint32_t format, Font* font) {
    const AppState* app = GetAppState();
    const platform::Rect rect = AnchorRect(x, y, format, app->screenWidth, app->screenHeight);
    DrawText(text, rect.left, rect.top, rect.right, rect.bottom, colour, format, font);
}

void TextRenderer::DrawTextAt(const std::string& text, float x, float y, uint32_t colour, uint32_t format,
                              Font* font) {
    DrawTextAt(text.c_str(), x, y, colour, format, font);
}

void TextRenderer::DrawTextAt(const char* text, float x, float y, uint32_t colour, uint32_t format, int fontId) {
    const AppState* app = GetAppState();
    const platform::Rect rect = AnchorRect(x, y, format, app->screenWidth, app->screenHeight);
    DrawText(text, rect.left, rect.top, rect.right, rect.bottom, colour, format, fontId);
}

void TextRenderer::DrawTextAt(const std::string& text, float x, float y, uint32_t colour, uint32_t format,
                              int fontId) {
    DrawTextAt(text.c_str(), x, y, colour, format, fontId);
}

void TextRenderer::OnLostDevice() {
    if (defaultFont) {
        defaultFont->OnLostDevice();
    }
    for (int i = 0; i < Count(); ++i) {
        GetAt(i)->OnLostDevice();
    }
}

void TextRenderer::OnResetDevice() {
    if (defaultFont) {
        defaultFont->OnResetDevice();
    }
    for (int i = 0; i < Count(); ++i) {
        GetAt(i)->OnResetDevice();
    }
    // Fonts nobody resets (a game's own) must not draw textures from before
    // the reset either.
    for (Font* font : liveFonts) {
        if (font->face) {
            font->face->DropCache();
        }
    }
}

void TextRenderer::Release() {
    defaultFont.reset();
    Clear();
    nextFontId = 0;
    for (Font* font : liveFonts) {
        font->face.reset();
    }
}

void TextRenderer::Track(Font* font) { liveFonts.push_back(font); }

void TextRenderer::Untrack(Font* font) {
    liveFonts.erase(std::remove(liveFonts.begin(), liveFonts.end(), font), liveFonts.end());
}

TextRenderer* GetTextRenderer() {
    // Never destroyed: fonts may be deleted late at exit and still find it.
    static TextRenderer* const instance = new TextRenderer();
    return instance;
}
