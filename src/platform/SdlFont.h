#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/Renderer.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

struct OpenTtfFont;

// A bold TrueType face at one line height, drawing Windows-1252 text on one
// SDL renderer. Glyphs are rasterised white, one texture per line of text,
// and drawn with the colour as colour and alpha modulation; the textures are
// kept (keyed by the line's text, whatever its colour) so that a text drawn
// every frame is rasterised once. Faces of the same file and height share
// one open font.
class SdlFont : public FontFace {
public:
    // Null when no face can be found or opened, or height is not positive.
    static std::unique_ptr<SdlFont> Create(SDL_Renderer* renderer, const std::string& faceName, int height);
    ~SdlFont() override;
    SdlFont(const SdlFont&) = delete;
    SdlFont& operator=(const SdlFont&) = delete;

    const std::string& FaceName() const override { return faceName_; }
    // The line height: lines advance by exactly this many pixels.
    int Height() const override { return height_; }
    void DropCache() override;

    // Draws the text into rect with the dt:: flags (see LayoutText), clipped
    // to rect unless dt::NoClip is set.
    void Draw(std::string_view text, const Rect& rect, uint32_t format, uint32_t argb);
    // The width of one line of text in pixels.
    int MeasureWidth(std::string_view text);

    // The file the face comes from and the point size whose glyph cell
    // (ascent + descent) comes closest to the line height without exceeding it.
    const std::string& FilePath() const;
    int PointSize() const;
    int GlyphCellHeight() const;
    // Lines rasterised so far (each miss of the line cache).
    int RasterisedLines() const { return rasterised_; }
    int CachedLines() const { return static_cast<int>(lines_.size()); }

    // The renderer is going away: every face drawing on it frees its
    // textures and draws nothing from now on.
    static void ForgetRenderer(SDL_Renderer* renderer);
    // The face at that address when it exists and has that serial number,
    // else null (a recorded call may outlive its face).
    static SdlFont* Live(const void* font, uint64_t serial);
    uint64_t Serial() const { return serial_; }

    // At most this many lines, and this many bytes of pixels, stay cached per
    // face; the least recently drawn go first.
    static constexpr size_t kMaxCachedLines = 256;
    static constexpr size_t kMaxMeasuredTexts = 4096;
    static constexpr size_t kMaxCachedBytes = 16u << 20;

private:
    struct CachedLine {
        std::string text;
        SDL_Texture* texture;  // null when the line has nothing to show
        int width;
        int height;
    };

    SdlFont(SDL_Renderer* renderer, std::string faceName, int height, std::shared_ptr<OpenTtfFont> face);
    // The cached line, rasterising it when it is not cached yet.
    const CachedLine& Rasterised(const std::string& text);
    void EvictBeyondLimits();

    SDL_Renderer* renderer_;
    std::string faceName_;
    int height_;
    std::shared_ptr<OpenTtfFont> face_;
    std::list<CachedLine> lines_;  // most recently drawn first
    std::unordered_map<std::string, int> widths_;  // measured texts and their widths
    std::unordered_map<std::string, std::list<CachedLine>::iterator> byText_;
    size_t cachedBytes_ = 0;
    int rasterised_ = 0;
    uint64_t serial_;
};

}  // namespace platform
