#include "app/MainLoop.h"

#include "app/AppState.h"
#include "app/Game.h"
#include "app/TextRenderer.h"
#include "app/WindowProc.h"

namespace {

// While the device is lost, wait this long for messages before looking again.
constexpr int kLostDeviceWaitMs = 100;

int64_t ReadCounter(const AppState& app) {
    return app.hasPerformanceCounter ? app.clock->Counter() : static_cast<int64_t>(app.clock->TickCount());
}

}  // namespace

void StartTiming(AppState& app) {
    const int64_t frequency = app.clock->Frequency();
    if (frequency > 0) {
        app.hasPerformanceCounter = true;
        app.secondsPerTick = 1.0 / static_cast<double>(frequency);
    } else {
        app.hasPerformanceCounter = false;
        app.secondsPerTick = 0.001;
    }
    app.lastCounter = ReadCounter(app);
}

void UpdateStep(AppState& app) {
    app.currentCounter = ReadCounter(app);
    const double elapsed = static_cast<double>(app.currentCounter - app.lastCounter) * app.secondsPerTick;
    app.frameTime = app.paused ? 0.0 : elapsed;
    app.rawFrameTime = elapsed;
    app.lastCounter = app.currentCounter;

    app.updateAccumulator += app.frameTime;
    app.frameTime = app.updateAccumulator;
    if (app.currentScreen != nullptr) {
        app.currentScreen->Update();
    }
    app.updateAccumulator = 0.0;
}

int64_t InputCounter(const AppState& app) {
    if (app.inputCounter != 0 && app.hasPerformanceCounter) {
        return app.inputCounter;
    }
    return app.clock ? ReadCounter(app) : app.lastCounter;
}

double SecondsSinceUpdate(const AppState& app) {
    if (!app.clock || app.paused) {
        return 0.0;
    }
    return static_cast<double>(ReadCounter(app) - app.lastCounter) * app.secondsPerTick;
}

void RenderStep(AppState& app) {
    app.renderer->Clear(kClearColour);
    if (app.currentScreen != nullptr) {
        app.currentScreen->Render();
    }
    if (app.drawCursor) {
        app.drawCursor();
    }
    app.renderer->Present();
    ++app.presentedFrames;
    if (app.clock) {
        app.presentedCounter = ReadCounter(app);
    }
}

void DeviceResetSequence(AppState& app) {
    if (app.currentScreen != nullptr) {
        app.currentScreen->OnLostDevice();
    }
    GetTextRenderer()->OnLostDevice();
    if (app.renderer) {
        app.renderer->OnLostDevice();
    }
    if (app.window) {
        app.window->ResetDevice();
    }
    if (app.currentScreen != nullptr) {
        app.currentScreen->OnResetDevice();
    }
    GetTextRenderer()->OnResetDevice();
    if (app.renderer) {
        app.renderer->OnResetDevice();
    }
}

void ReleaseEverything(AppState& app) {
    GetTextRenderer()->Release();
    for (std::unique_ptr<platform::Texture>& texture : app.textures) {
        texture.reset();
    }
    app.renderer.reset();
    app.window.reset();
    ReleaseSounds(app);
}

int RunMainLoop(AppState& app, std::unique_ptr<Game> screen, std::function<void()> afterFirstFrame) {
    app.currentScreen = screen.get();
    for (;;) {
        if (app.runState == 2) {
            break;
        }
        platform::Message message;
        if (app.window->PeekMessage(message)) {
            if (message.kind == platform::MessageKind::Quit) {
                break;
            }
            WindowProc(app, message);
            continue;
        }
        switch (app.window->TestCooperativeLevel()) {
        case platform::DeviceStatus::Lost:
            app.window->WaitForMessages(kLostDeviceWaitMs);
            break;
        case platform::DeviceStatus::NeedsReset:
            DeviceResetSequence(app);
            break;
        case platform::DeviceStatus::Ok:
            UpdateStep(app);
            RenderStep(app);
            if (afterFirstFrame) {
                afterFirstFrame();
                afterFirstFrame = nullptr;
            }
            break;
        }
    }
    // The screen (and a game it hosts) may still use fonts and textures while
    // it is destroyed: it goes first.
    app.drawCursor = nullptr;
    screen.reset();
    app.currentScreen = nullptr;
    ReleaseEverything(app);
    ArchiveClose(app.archive);
    return 0;
}
