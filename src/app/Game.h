#pragma once

#include "app/MyControl.h"

class GUIElement;
struct AppState;

// A screen: the main menu or a mini-game. Besides input it updates, renders,
// owns up to fourteen GUI elements that take part in pointer routing, and
// draws those elements through its fourteen owner-draw operations.
class Game : public MyControl {
public:
    static constexpr int kElementSlots = 14;

    Game();
    // Deletes every element of the fourteen slots, in slot order.
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Reads frameTime and rawFrameTime from the AppState.
    virtual void Update() {}
    // Draws inside the frame; called after Update.
    virtual void Render() {}

    // Owner-draw operations: an element bound to operation k asks its screen to
    // draw it with its source region, screen position and scale.
    virtual void OwnerDraw0(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw1(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw2(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw3(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw4(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw5(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw6(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw7(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw8(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw9(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw10(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw11(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw12(GUIElement*, int, int, int, int, float, float, float, float) {}
    virtual void OwnerDraw13(GUIElement*, int, int, int, int, float, float, float, float) {}

    // Calls owner-draw operation `slot` (0..13); other numbers draw nothing.
    void CallOwnerDraw(int slot, GUIElement* element, int left, int top, int right, int bottom, float x,
                       float y, float scaleX, float scaleY);

    // Offers the event at the last mouse-move position to the enabled element
    // slots in slot order; the first element that takes it wins. The result of
    // every element asked is kept in lastRouteResult.
    virtual bool RouteEvent(int event);

    virtual void OnLostDevice() = 0;
    virtual void OnResetDevice() = 0;

    GUIElement* guiElements[kElementSlots];
    GUIElement* lastRouteResult = nullptr;
    bool guiEnabled[kElementSlots];
    AppState* app;
};
