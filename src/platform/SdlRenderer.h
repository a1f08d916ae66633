#pragma once

#include <memory>
#include <unordered_set>
#include <string>
#include <vector>

#include "platform/DrawList.h"
#include "platform/Renderer.h"
#include "platform/SdlTexture.h"

struct SDL_Renderer;
struct SDL_Surface;
union SDL_Event;

namespace platform {

class SdlWindow;

// The renderer behind the window, or a software renderer drawing into memory
// (headless screenshots and tests: exact pixels, no window, no pacing).
// Draw calls are recorded and run when the frame is presented (or its pixels
// are read). A window's renderer neither draws nor shows a frame whose calls
// equal those of the frame on screen, unless the window was exposed, resized
// or reset since.
class SdlRenderer : public Renderer {
public:
    // A renderer for the window with the given logical size. Prefers an
    // accelerated renderer with vertical sync; falls back to software.
    static std::unique_ptr<SdlRenderer> CreateForWindow(SdlWindow& window, int logicalWidth,
                                                        int logicalHeight, std::string* error = nullptr);
    // A software renderer drawing into a width x height image in memory.
    static std::unique_ptr<SdlRenderer> CreateOffscreen(int width, int height, std::string* error = nullptr);

    ~SdlRenderer() override;

    void Clear(uint32_t argb) override;
    // Shows the frame (when it needs showing). When the frame was not shown,
    // or without vertical sync, the call waits so that no more than about 60
    // frames a second run (an idle game must not burn a core).
    void Present() override;

    // Whether unchanged frames are skipped (on for a window's renderer).
    void SkipUnchangedFrames(bool skip) { skipUnchanged_ = skip; }
    // Whether a software renderer draws from copies it keeps for speed (the
    // default): scaled sprites stretched once, fades that hold baked in, turns
    // that hold turned once. Else SDL stretches, modulates and turns on every
    // draw.
    void KeepSoftwareCopies(bool keep) { keepSoftwareCopies_ = keep; }
    // Frames shown so far.
    int PresentedFrames() const { return presented_; }

    // The rendered logical screen as ARGB pixels, row by row (the calls
    // recorded so far are drawn first).
    std::vector<uint32_t> ReadPixels();
    // The rendered logical screen as an image (empty when it cannot be read).
    Image Screenshot();

    // After a device reset the next frame is drawn and shown whatever it
    // draws, and region copies are made anew when next drawn. (SDL keeps the
    // textures themselves on Linux's renderers.)
    void OnResetDevice() override;

    std::unique_ptr<Texture> CreateTexture(Image image) override;
    void DrawSprite(const Texture& texture, const Rect& region, const Transform2D& transform,
                    uint32_t argb) override;
    std::unique_ptr<FontFace> CreateFont(const std::string& faceName, int height) override;
    void DrawText(FontFace& font, const std::string& text, const Rect& rect, uint32_t format,
                  uint32_t argb) override;
    int Width() const { return width_; }
    int Height() const { return height_; }

    SDL_Renderer* Handle() const { return renderer_; }

private:
    SdlRenderer(SDL_Renderer* renderer, SDL_Surface* target, int width, int height, bool paced);
    // Runs the recorded calls that have not run yet.
    void Flush();
    void ExecuteClear(uint32_t argb);
    void ExecuteSprite(const DrawCommand& command);
    void ExecuteText(const DrawCommand& command);
    void Pace();
    static int WatchWindow(void* self, SDL_Event* event);

    SDL_Renderer* renderer_;
    SDL_Surface* target_;  // owned; only for offscreen renderers
    int width_;
    int height_;
    bool paced_;
    bool software_ = false;  // SDL's software renderer: it filters scaled sprites on every draw
    bool keepSoftwareCopies_ = true;
    bool skipUnchanged_ = false;
    bool watching_ = false;
    int presented_ = 0;
    double lastPresent_ = 0.0;
    DrawList frames_;
    std::shared_ptr<SdlTexture::Register> textures_ = std::make_shared<SdlTexture::Register>();
    // The faded or turned draws (texture, region, colour, size, turn) of the
    // frame being drawn and of the one shown before it.
    std::unordered_set<uint64_t> heldNow_;
    std::unordered_set<uint64_t> heldBefore_;
};

}  // namespace platform
