// Text on the SDL renderer: faces and drawing live in SdlFont.
#include "platform/SdlFont.h"
#include "platform/SdlRenderer.h"

namespace platform {

std::unique_ptr<FontFace> SdlRenderer::CreateFont(const std::string& faceName, int height) {
    return SdlFont::Create(renderer_, faceName, height);
}

void SdlRenderer::DrawText(FontFace& font, const std::string& text, const Rect& rect, uint32_t format,
                           uint32_t argb) {
    // Faces of other renderers have nothing to draw here.
    auto* sdlFont = dynamic_cast<SdlFont*>(&font);
    if (sdlFont != nullptr) {
        sdlFont->Draw(text, rect, format, argb);
    }
}

}  // namespace platform
