#pragma once

#include <cstdint>
#include <string>

#include "platform/Renderer.h"

// A 2D vector for sprite arguments.
struct Vec2 {
    float x;
    float y;
};

// The transform of a sprite: scaling about the origin, then a clockwise turn
// (on screen, y pointing down) by rotation radians about rotationCentre, then
// the translation. Null arguments mean none (scale 1, centre at the origin, no
// move).
platform::Transform2D SpriteTransform(const Vec2* scaling, const Vec2* rotationCentre, double rotation,
                                      const Vec2* translation);

// A region of a texture sheet under the name the art generator paints it by
// ("card face"). Drawing it hands the name to the renderer with the region, so
// that what a screen draws can be checked against the art.
struct SheetRegion {
    std::string name;
    platform::Rect rect;
};

// Draws the source region of the texture (null: the whole texture) with its
// top-left corner at the translation, transformed as above, each texel
// multiplied by the ARGB colour (0xFFFFFFFF draws it unchanged).
void DrawSprite(const platform::Texture* texture, const platform::Rect* source, const Vec2* scaling,
                const Vec2* rotationCentre, double rotation, const Vec2* translation, uint32_t colour);

// The same for a named region of the texture.
void DrawSprite(const platform::Texture* texture, const SheetRegion& source, const Vec2* scaling,
                const Vec2* rotationCentre, double rotation, const Vec2* translation, uint32_t colour);
