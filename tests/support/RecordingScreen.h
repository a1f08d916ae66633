#pragma once

#include <functional>
#include <string>

#include "app/Game.h"
#include "support/CallLog.h"

// A screen that logs every call it receives ("screen.KeyDown 13",
// "screen.Update", ...) and can run a test's code in Update.
class RecordingScreen : public Game {
public:
    explicit RecordingScreen(CallLog& log) : log_(log) {}

    void OnMouseMove(int x, int y) override { Log("MouseMove", x, y); }
    void OnLeftButtonDown(int x, int y) override { Log("LeftButtonDown", x, y); }
    void OnLeftButtonUp(int x, int y) override { Log("LeftButtonUp", x, y); }
    void OnLeftDoubleClick(int x, int y) override { Log("LeftDoubleClick", x, y); }
    void OnRightButtonDown(int x, int y) override { Log("RightButtonDown", x, y); }
    void OnRightButtonUp(int x, int y) override { Log("RightButtonUp", x, y); }
    void OnKeyDown(uint16_t key) override { log_.Add("screen.KeyDown " + std::to_string(key)); }
    void OnKeyUp(uint16_t key) override { log_.Add("screen.KeyUp " + std::to_string(key)); }
    void OnMouseWheel(uint32_t wParam) override { log_.Add("screen.Wheel " + std::to_string(wParam)); }
    void Update() override {
        ++updates;
        log_.Add("screen.Update");
        if (onUpdate) {
            onUpdate();
        }
    }
    void Render() override { log_.Add("screen.Render"); }
    void OnLostDevice() override { log_.Add("screen.Lost"); }
    void OnResetDevice() override { log_.Add("screen.Reset"); }

    // Runs at the end of every Update.
    std::function<void()> onUpdate;
    int updates = 0;
    ~RecordingScreen() override { log_.Add("screen.Destroyed"); }

private:
    void Log(const char* what, int x, int y) {
        log_.Add(std::string("screen.") + what + " " + std::to_string(x) + "," + std::to_string(y));
    }

    CallLog& log_;
};
