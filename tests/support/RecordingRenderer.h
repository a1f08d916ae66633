#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Renderer.h"
#include "support/CallLog.h"

// A renderer that draws nothing and records every draw, so that a test can
// assert what a screen draws: each sprite with its texture, region, transform
// and colour; each text with its string, rectangle, colour, flags and font.
// With a CallLog it also logs the frame and device calls ("renderer.Clear
// ff646464", "renderer.Present", "renderer.Lost", "renderer.Reset").
class RecordingRenderer : public platform::Renderer {
public:
    RecordingRenderer() = default;
    explicit RecordingRenderer(CallLog& callLog) : log(&callLog) {}
    ~RecordingRenderer() override { Log("renderer.Destroyed"); }

    struct FakeTexture : platform::Texture {
        FakeTexture(int w, int h) : w(w), h(h) {}
        int Width() const override { return w; }
        int Height() const override { return h; }
        int w;
        int h;
    };

    struct FakeFont : platform::FontFace {
        FakeFont(std::string face, int height) : face(std::move(face)), height(height) {}
        const std::string& FaceName() const override { return face; }
        int Height() const override { return height; }
        void DropCache() override { ++drops; }
        std::string face;
        int height;
        int drops = 0;
    };

    struct Sprite {
        const platform::Texture* texture;
        platform::Rect region;
        platform::Transform2D transform;
        uint32_t colour;
        std::string name;  // the region's name in the art, when the draw gave one

        // Whether the point lies on the drawn region (for a sprite that is not turned).
        bool Covers(float x, float y) const {
            const float right = transform.dx + static_cast<float>(region.right - region.left) * transform.m11;
            const float bottom = transform.dy + static_cast<float>(region.bottom - region.top) * transform.m22;
            return transform.dx <= x && x <= right && transform.dy <= y && y <= bottom;
        }
    };

    struct Text {
        std::string text;
        platform::Rect rect;
        uint32_t colour;
        uint32_t format;
        std::string face;
        int height;
    };

    void Clear(uint32_t argb) override {
        sprites.clear();
        texts.clear();
        char call[32];
        std::snprintf(call, sizeof call, "renderer.Clear %08x", argb);
        Log(call);
    }
    void Present() override { Log("renderer.Present"); }
    void OnLostDevice() override { Log("renderer.Lost"); }
    void OnResetDevice() override { Log("renderer.Reset"); }

    std::unique_ptr<platform::Texture> CreateTexture(platform::Image image) override {
        return std::make_unique<FakeTexture>(image.width, image.height);
    }
    void DrawSprite(const platform::Texture& texture, const platform::Rect& region,
                    const platform::Transform2D& transform, uint32_t argb) override {
        DrawNamedSprite(texture, nullptr, region, transform, argb);
    }
    void DrawNamedSprite(const platform::Texture& texture, const char* name, const platform::Rect& region,
                         const platform::Transform2D& transform, uint32_t argb) override {
        sprites.push_back(Sprite{&texture, region, transform, argb, name != nullptr ? name : ""});
        if (onSprite) {
            onSprite(sprites.back());
        }
    }
    std::unique_ptr<platform::FontFace> CreateFont(const std::string& faceName, int height) override {
        return std::make_unique<FakeFont>(faceName, height);
    }
    void DrawText(platform::FontFace& font, const std::string& text, const platform::Rect& rect, uint32_t format,
                  uint32_t argb) override {
        texts.push_back(Text{text, rect, argb, format, font.FaceName(), font.Height()});
    }

    // What the current frame drew so far (Clear starts a new frame).
    std::vector<Sprite> sprites;
    std::vector<Text> texts;
    // Called with every sprite as it is drawn (all frames, not just the last).
    std::function<void(const Sprite&)> onSprite;
    CallLog* log = nullptr;

private:
    void Log(const std::string& call) {
        if (log != nullptr) {
            log->Add(call);
        }
    }
};
