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
    if (sdlFont == nullptr || text.empty()) {
        return;
    }
    DrawCommand command;
    command.kind = DrawCommand::Kind::Text;
    command.object = sdlFont;
    command.serial = sdlFont->Serial();
    command.rect = rect;
    command.format = format;
    command.argb = argb;
    command.text = text;
    frames_.Add(std::move(command));
}

void SdlRenderer::ExecuteText(const DrawCommand& command) {
    SdlFont* font = SdlFont::Live(command.object, command.serial);
    if (font != nullptr) {
        font->Draw(command.text, command.rect, command.format, command.argb);
    }
}

}  // namespace platform
