#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Renderer.h"

namespace platform {

// One recorded call of a frame: a clear, a sprite or a text. Textures and
// faces are named by pointer (to draw them) and by serial number (to tell a
// new object at an old address from the old one).
struct DrawCommand {
    enum class Kind : uint8_t { Clear, Sprite, Text };
    Kind kind = Kind::Clear;
    const void* object = nullptr;  // the texture or the face
    uint64_t serial = 0;
    Rect rect{0, 0, 0, 0};  // the sprite's region or the text's rectangle
    Transform2D transform;
    uint32_t argb = 0;
    uint32_t format = 0;
    std::string text;

    bool operator==(const DrawCommand& other) const;
};

// A serial number for a texture or a face that draw commands name: no two
// objects of a run get the same one.
uint64_t NextDrawSerial();

// The calls of the frame being drawn and of the frame shown before it, so
// that a frame that draws exactly what the screen shows already need not be
// drawn or shown again.
class DrawList {
public:
    void Add(DrawCommand command) { frame_.push_back(std::move(command)); }
    // The calls recorded since the last EndFrame, and how many of them have run.
    const std::vector<DrawCommand>& Frame() const { return frame_; }
    size_t Executed() const { return executed_; }
    void MarkExecuted() { executed_ = frame_.size(); }
    // The next frame is shown whatever it draws (the window lost its
    // contents, or its size changed).
    void ForceNextFrame() { forced_ = true; }
    // True when the frame differs from the one shown last, a frame is forced,
    // or calls of it have run already.
    bool NeedsShowing() const;
    // Ends the frame: it becomes the one shown when `shown`, else it is dropped.
    void EndFrame(bool shown);

private:
    std::vector<DrawCommand> frame_;
    std::vector<DrawCommand> shown_;
    size_t executed_ = 0;
    bool forced_ = true;  // nothing is on screen yet
};

}  // namespace platform
