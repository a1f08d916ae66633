#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "platform/Renderer.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

// A texture of an SDL renderer. It keeps the image and uploads each region
// that is drawn as a texture of its own, so that filtering a scaled or turned
// region never blends in the pixels of its neighbours on the sheet. Regions
// drawn with an opaque tint are uploaded tinted once, so that drawing them
// needs no colour modulation (which is slow in software).
class SdlTexture : public Texture {
public:
    // The live textures of one renderer, so that a reset of its device can drop
    // every uploaded region; each texture enters it when made and leaves it
    // when destroyed.
    using Register = std::unordered_set<const SdlTexture*>;

    struct RegionTexture {
        SDL_Texture* texture;
        bool opaque;  // every texel fully opaque
        bool tinted;  // the tint is already applied to the texels
    };

    SdlTexture(SDL_Renderer* renderer, Image image, std::shared_ptr<Register> live = nullptr);
    ~SdlTexture() override;
    SdlTexture(const SdlTexture&) = delete;
    SdlTexture& operator=(const SdlTexture&) = delete;

    int Width() const override { return image_.width; }
    int Height() const override { return image_.height; }

    // The texture for drawing a region inside the image with the ARGB colour
    // (created on first use); null when it cannot be created.
    const RegionTexture* Region(const Rect& region, uint32_t argb) const;
    // Forgets every uploaded region (they are uploaded again when drawn).
    void DropRegions() const;
    // How many regions are uploaded now.
    size_t UploadedRegions() const { return regions_.size(); }

private:
    struct Key {
        uint64_t region;
        uint32_t tint;
        bool operator==(const Key& other) const { return region == other.region && tint == other.tint; }
    };
    struct KeyHash {
        size_t operator()(const Key& key) const { return std::hash<uint64_t>()(key.region * 31 + key.tint); }
    };

    RegionTexture* Upload(const Rect& region, uint32_t tint) const;

    SDL_Renderer* renderer_;
    Image image_;
    std::shared_ptr<Register> live_;
    mutable std::unordered_map<Key, RegionTexture, KeyHash> regions_;
    mutable int tintedCount_ = 0;
};

}  // namespace platform
