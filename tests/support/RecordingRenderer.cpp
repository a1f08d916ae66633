#include "support/RecordingRenderer.h"

#include <cstdio>

void RecordingRenderer::Clear(uint32_t argb) {
    sprites.clear();
    texts.clear();
    char call[32];
    std::snprintf(call, sizeof call, "renderer.Clear %08x", argb);
    Log(call);
}
