#pragma once

#include <cstdint>
#include <cstdio>

#include "platform/Renderer.h"
#include "support/CallLog.h"

// A renderer that only logs what it is asked to do.
class FakeRenderer : public platform::Renderer {
public:
    explicit FakeRenderer(CallLog& log) : log_(log) {}
    ~FakeRenderer() override { log_.Add("renderer.Destroyed"); }

    // Logged with its colour, e.g. "renderer.Clear ff646464".
    void Clear(uint32_t argb) override {
        char text[32];
        std::snprintf(text, sizeof text, "renderer.Clear %08x", argb);
        log_.Add(text);
    }
    void Present() override { log_.Add("renderer.Present"); }
    void OnLostDevice() override { log_.Add("renderer.Lost"); }
    void OnResetDevice() override { log_.Add("renderer.Reset"); }

private:
    CallLog& log_;
};
