#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/Renderer.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

// A texture of an SDL renderer: the whole image uploaded once as one texture,
// when it is first drawn (until then the texture keeps the image; after, it
// does not), so that start-up pays nothing for sheets nobody draws yet. A
// region drawn texel on pixel is copied straight from it. A region that is
// scaled or turned gets a copy of its own, made on the renderer from the
// sheet, so that filtering never blends in the pixels of its neighbours on
// the sheet; a region drawn with an opaque tint gets a copy with the tint
// applied, so that drawing it needs no colour modulation (which is slow in
// software), and so may a region drawn faded when the caller asks. For a
// software renderer, which filters a scaled copy anew on every draw and turns
// a turned one anew on every draw, a region may also get a copy already scaled
// to the size it is drawn at, or already turned as it is drawn.
class SdlTexture : public Texture {
public:
    // The live textures of one renderer; each texture enters it when made and
    // leaves it when destroyed.
    using Register = std::unordered_set<const SdlTexture*>;

    // What to copy for a region: the texture and the part of it.
    struct Part {
        SDL_Texture* texture;
        Rect source;
        bool opaque;  // every texel fully opaque
        bool tinted;  // the colour (tint, and fade if baked) is already applied to the texels
        // Where the part's top-left corner lands relative to the top-left
        // corner of the rectangle drawn (a turned copy reaches beyond it).
        int offsetX = 0;
        int offsetY = 0;
    };

    // How a region is drawn turned: stretched to width x height, mirrored
    // (SDL_RendererFlip bits), then turned clockwise by `degrees` about the
    // centre, which is given relative to the rectangle's top-left corner.
    struct Turn {
        int width;
        int height;
        double degrees;
        float centreX;
        float centreY;
        int flip;
    };

    // Null when the renderer cannot take an image of that size.
    static std::unique_ptr<SdlTexture> Create(SDL_Renderer* renderer, Image image,
                                              std::shared_ptr<Register> live = nullptr);
    ~SdlTexture() override;
    SdlTexture(const SdlTexture&) = delete;
    SdlTexture& operator=(const SdlTexture&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // Tells this texture from any other that lived at the same address.
    uint64_t Serial() const { return serial_; }

    // The part to draw a region inside the image with the ARGB colour from:
    // the sheet itself when `texelOnPixel` and the colour needs no tinted
    // copy, else the region's own copy (made on first use). With `bakeFade`,
    // a fading colour is baked into the copy as an opaque one is; drawn with
    // plain blending, it puts the modulated draw's colours on the screen
    // within a step or two of rounding. False when the sheet or the copy
    // cannot be made.
    bool PartFor(const Rect& region, uint32_t argb, bool texelOnPixel, Part& out, bool bakeFade = false) const;
    // The same part stretched to width x height pixels (made on first use),
    // to be copied texel on pixel: the very texels a scaled copy of the part
    // puts on the screen, as the software renderer stretches into a surface of
    // the drawn size before it blends. False when it cannot be made.
    bool ScaledPartFor(const Rect& region, uint32_t argb, int width, int height, Part& out,
                       bool bakeFade = false) const;
    // The part turned as the software renderer turns it (made on first use),
    // to be copied texel on pixel at the part's offset from the rectangle's
    // top-left corner (whole pixels, cut towards zero): the very texels that
    // turning the part on every draw would blend onto the screen. False when
    // it cannot be made.
    bool TurnedPartFor(const Rect& region, uint32_t argb, const Turn& turn, Part& out, bool bakeFade = false) const;
    // Forgets every region copy (they are made again when drawn).
    void DropRegions() const;
    // How many region copies exist now.
    size_t UploadedRegions() const { return regions_.size(); }
    // Whether the image is on the renderer yet.
    bool Uploaded() const { return sheet_ != nullptr; }

private:
    // A region's own copy, plain or tinted; a scaled one; a turned one.
    enum class Kind { Plain, Tinted, Scaled, Turned };
    struct Key {
        uint64_t region;
        uint32_t colour;  // the ARGB colour baked in, opaque white for none
        Kind kind;
        uint32_t size = 0;  // width << 16 | height of a scaled or turned copy
        // A turned copy's angle and centre (their bits) and mirroring.
        uint64_t angle = 0;
        uint64_t centre = 0;
        int flip = 0;
        bool operator==(const Key& other) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const;
    };

    SdlTexture(SDL_Renderer* renderer, Image image, std::shared_ptr<Register> live);
    bool Upload() const;
    bool Opaque(const Rect& region) const;
    // A copy of the source part of `from` the size of `box`, the colour
    // multiplied in: the part stretched over it, or turned as `turn` says
    // with the box's corner where the turned rectangle's lies.
    SDL_Texture* Copy(SDL_Texture* from, const Rect& source, uint32_t colour, const Rect& box,
                      const Turn* turn = nullptr) const;
    // Drops the copies of one kind (a tinted copy of the region's own size,
    // scaled ones or turned ones) when `pixels` more would exceed its budget.
    void MakeRoom(Kind kind, size_t pixels) const;

    SDL_Renderer* renderer_;
    int width_;
    int height_;
    uint64_t serial_;
    std::shared_ptr<Register> live_;
    mutable Image pending_;  // the image until it is uploaded
    mutable SDL_Texture* sheet_ = nullptr;
    mutable std::vector<uint64_t> opaqueBits_;  // one bit per texel, row by row: fully opaque
    mutable std::unordered_map<uint64_t, bool> opaqueRegions_;
    mutable std::unordered_map<Key, Part, KeyHash> regions_;
    mutable int tintedCount_ = 0;
    mutable size_t pixelsOf_[4] = {};  // the pixels in the copies of each kind
};

}  // namespace platform
