#include "app/Sprite.h"

#include <cmath>

#include "app/AppState.h"

platform::Transform2D SpriteTransform(const Vec2* scaling, const Vec2* rotationCentre, double rotation,
                                      const Vec2* translation) {
    const float sx = scaling != nullptr ? scaling->x : 1.0f;
    const float sy = scaling != nullptr ? scaling->y : 1.0f;
    const float cx = rotationCentre != nullptr ? rotationCentre->x : 0.0f;
    const float cy = rotationCentre != nullptr ? rotationCentre->y : 0.0f;
    const float tx = translation != nullptr ? translation->x : 0.0f;
    const float ty = translation != nullptr ? translation->y : 0.0f;
    const auto angle = static_cast<float>(rotation);
    const float c = std::cos(angle);
    const float s = std::sin(angle);

    // scale, move the centre to the origin, turn, move back, translate
    platform::Transform2D t;
    t.m11 = sx * c;
    t.m12 = sx * s;
    t.m21 = -sy * s;
    t.m22 = sy * c;
    t.dx = -cx * c + cy * s + cx + tx;
    t.dy = -cx * s - cy * c + cy + ty;
    return t;
}

namespace {

void Draw(const platform::Texture* texture, const char* name, const platform::Rect* source, const Vec2* scaling,
          const Vec2* rotationCentre, double rotation, const Vec2* translation, uint32_t colour) {
    AppState* app = GetAppState();
    if (texture == nullptr || !app->renderer) {
        return;
    }
    const platform::Rect whole{0, 0, texture->Width(), texture->Height()};
    app->renderer->DrawNamedSprite(*texture, name, source != nullptr ? *source : whole,
                                   SpriteTransform(scaling, rotationCentre, rotation, translation), colour);
}

}  // namespace

void DrawSprite(const platform::Texture* texture, const platform::Rect* source, const Vec2* scaling,
                const Vec2* rotationCentre, double rotation, const Vec2* translation, uint32_t colour) {
    Draw(texture, nullptr, source, scaling, rotationCentre, rotation, translation, colour);
}

void DrawSprite(const platform::Texture* texture, const SheetRegion& source, const Vec2* scaling,
                const Vec2* rotationCentre, double rotation, const Vec2* translation, uint32_t colour) {
    Draw(texture, source.name.c_str(), &source.rect, scaling, rotationCentre, rotation, translation, colour);
}
