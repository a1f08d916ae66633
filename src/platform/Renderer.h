#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Draws the logical screen. Colours are 32-bit ARGB.
class Renderer {
public:
    virtual ~Renderer() = default;

    virtual void Clear(uint32_t argb) = 0;
    virtual void Present() = 0;

    // Device-loss pair: called around a device reset.
    virtual void OnLostDevice() {}
    virtual void OnResetDevice() {}
};

}  // namespace platform
