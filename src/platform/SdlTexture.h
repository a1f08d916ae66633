#pragma once

#include "platform/Renderer.h"

struct SDL_Texture;

namespace platform {

// A texture of an SDL renderer, with the size of the image it was made from.
class SdlTexture : public Texture {
public:
    SdlTexture(SDL_Texture* texture, int width, int height) : texture_(texture), width_(width), height_(height) {}
    ~SdlTexture() override;
    SdlTexture(const SdlTexture&) = delete;
    SdlTexture& operator=(const SdlTexture&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    SDL_Texture* Handle() const { return texture_; }

private:
    SDL_Texture* texture_;
    int width_;
    int height_;
};

}  // namespace platform
