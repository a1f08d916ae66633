#pragma once

#include <cstdint>

// The input interface of a screen: one operation per window message. Every
// operation does nothing here; screens override the ones they use.
class MyControl {
public:
    virtual ~MyControl() = default;

    virtual void OnMouseMove(int /*x*/, int /*y*/) {}
    virtual void OnLeftButtonDown(int /*x*/, int /*y*/) {}
    virtual void OnLeftButtonUp(int /*x*/, int /*y*/) {}
    virtual void OnLeftDoubleClick(int /*x*/, int /*y*/) {}
    virtual void OnRightButtonDown(int /*x*/, int /*y*/) {}
    virtual void OnRightButtonUp(int /*x*/, int /*y*/) {}
    // key: a virtual-key code.
    virtual void OnKeyDown(uint16_t /*key*/) {}
    virtual void OnKeyUp(uint16_t /*key*/) {}
    // wParam: wheel delta in the high word (signed, 120 per notch), key-state
    // flags in the low word.
    virtual void OnMouseWheel(uint32_t /*wParam*/) {}
};
