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
// software renderer, which filters a scaled copy anew on every draw, a region
// may also get a copy already scaled to the size it is drawn at.
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
    // Forgets every region copy (they are made again when drawn).
    void DropRegions() const;
    // How many region copies exist now.
    size_t UploadedRegions() const { return regions_.size(); }
    // Whether the image is on the renderer yet.
    bool Uploaded() const { return sheet_ != nullptr; }

private:
    struct Key {
        uint64_t region;
        uint32_t colour;    // the ARGB colour baked in, opaque white for none
        uint32_t size = 0;  // width << 16 | height of a scaled copy, 0 for the region's own size
        bool operator==(const Key& other) const {
            return region == other.region && colour == other.colour && size == other.size;
        }
    };
    struct KeyHash {
        size_t operator()(const Key& key) const {
            return std::hash<uint64_t>()((key.region * 31 + key.colour) * 31 + key.size);
        }
    };

    SdlTexture(SDL_Renderer* renderer, Image image, std::shared_ptr<Register> live);
    bool Upload() const;
    bool Opaque(const Rect& region) const;
    SDL_Texture* Copy(SDL_Texture* from, const Rect& source, uint32_t colour, int width, int height) const;
    // Drops the copies of one kind: tinted ones, or scaled ones.
    void DropCopies(bool scaled) const;

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
    mutable size_t tintedPixels_ = 0;
    mutable size_t scaledPixels_ = 0;
};

}  // namespace platform
