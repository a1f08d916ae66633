#pragma once

#include <deque>
#include <functional>

#include "platform/Window.h"
#include "support/CallLog.h"

// A window whose messages and device status a test scripts.
class FakeWindow : public platform::Window {
public:
    std::deque<platform::Message> messages;
    platform::DeviceStatus status = platform::DeviceStatus::Ok;
    CallLog* log = nullptr;  // optional: device calls are logged here
    std::function<void()> onWait;

    void Push(const platform::Message& message) { messages.push_back(message); }

    bool PeekMessage(platform::Message& out) override {
        if (messages.empty()) {
            return false;
        }
        out = messages.front();
        messages.pop_front();
        return true;
    }
    void WaitForMessages(int) override {
        if (onWait) {
            onWait();
        }
    }
    platform::DeviceStatus TestCooperativeLevel() override { return status; }
    void ResetDevice() override {
        if (log != nullptr) {
            log->Add("window.ResetDevice");
        }
        status = platform::DeviceStatus::Ok;
    }
    void SetFullscreen(bool fullscreen) override {
        if (log != nullptr) {
            log->Add(fullscreen ? "window.Fullscreen" : "window.Windowed");
        }
    }
    void Show() override {}
};

// Message builders for tests.
platform::Message MouseMessage(platform::MessageKind kind, int x, int y);
platform::Message KeyMessage(platform::MessageKind kind, int key, bool ctrlDown = false, bool repeat = false);
