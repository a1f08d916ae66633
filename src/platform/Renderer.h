#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Image.h"

namespace platform {

// A texture on the renderer. Texel coordinates equal the image's pixel
// coordinates (no rescaling).
class Texture {
public:
    virtual ~Texture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A bold TrueType face at one pixel height (the height of a line).
class FontFace {
public:
    virtual ~FontFace() = default;
    virtual const std::string& FaceName() const = 0;
    virtual int Height() const = 0;
    // Forgets rendered text (after a device reset the renderer's textures may be gone).
    virtual void DropCache() = 0;
};

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

// A 2D affine transform for row vectors: (x, y) becomes
// (x * m11 + y * m21 + dx, x * m12 + y * m22 + dy).
struct Transform2D {
    float m11 = 1.0f;
    float m12 = 0.0f;
    float m21 = 0.0f;
    float m22 = 1.0f;
    float dx = 0.0f;
    float dy = 0.0f;

    void Apply(float x, float y, float& outX, float& outY) const {
        outX = x * m11 + y * m21 + dx;
        outY = x * m12 + y * m22 + dy;
    }
};

// Text format flags (the values the screens pass).
namespace dt {
constexpr uint32_t Top = 0x00;
constexpr uint32_t Left = 0x00;
constexpr uint32_t Center = 0x01;
constexpr uint32_t Right = 0x02;
constexpr uint32_t VCenter = 0x04;
constexpr uint32_t Bottom = 0x08;
constexpr uint32_t WordBreak = 0x10;
constexpr uint32_t SingleLine = 0x20;
constexpr uint32_t NoClip = 0x100;
}  // namespace dt

// Draws the logical screen. Colours are 32-bit ARGB.
class Renderer {
public:
    virtual ~Renderer() = default;

    virtual void Clear(uint32_t argb) = 0;
    virtual void Present() = 0;

    // Device-loss pair: called around a device reset.
    virtual void OnLostDevice() {}
    virtual void OnResetDevice() {}

    // A texture holding the image as it is (alpha included); null on failure.
    // The texture may keep the image: pass it with std::move when it is not
    // needed any more.
    virtual std::unique_ptr<Texture> CreateTexture(Image image) = 0;
    // Draws the region of the texture with its corners mapped through the
    // transform (the region's top-left corner maps from (0, 0)), each texel
    // multiplied by the colour. Parts of the region outside the texture draw
    // nothing.
    virtual void DrawSprite(const Texture& texture, const Rect& region, const Transform2D& transform,
                            uint32_t argb) = 0;
    // The same with the name the art gives the region (null: unnamed); a
    // renderer that has no use for the name just draws.
    virtual void DrawNamedSprite(const Texture& texture, const char* /*name*/, const Rect& region,
                                 const Transform2D& transform, uint32_t argb) {
        DrawSprite(texture, region, transform, argb);
    }

    // A bold face for the face name at the given line height; null when no
    // face can be found.
    virtual std::unique_ptr<FontFace> CreateFont(const std::string& faceName, int height) = 0;
    // Draws text (Windows-1252 bytes) into the rectangle with the dt:: flags.
    virtual void DrawText(FontFace& font, const std::string& text, const Rect& rect, uint32_t format,
                          uint32_t argb) = 0;
};

}  // namespace platform
