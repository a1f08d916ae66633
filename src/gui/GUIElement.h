#pragma once

#include "app/SyncList.h"

class Game;

// A rectangle standing for a texture region, placed relative to its parent,
// with owned children. It knows no texture or colour: it asks its owner screen
// to draw it through one of the owner's fourteen owner-draw operations.
class GUIElement {
public:
    struct Rect {
        int left;
        int top;
        int right;
        int bottom;
    };

    GUIElement(int id, int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, float x, float y,
               Game* owner, int ownerDraw, bool fit = false, int dock = 0);
    // Children are destroyed with their parent.
    virtual ~GUIElement() = default;
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // The deepest element under (px, py), given in the parent's frame (screen
    // coordinates for a top-level element), or null. The edges belong to the
    // element; children are found only inside their parent, the first added
    // wins. The event code is the router's; the rule does not look at it.
    virtual GUIElement* HitTest(int px, int py, int event);
    // Appends child (taking ownership) and makes this element its parent.
    virtual bool AddChild(GUIElement* child);
    // Asks the owner to draw this element at its position plus the offset,
    // then draws the children on top of it.
    virtual void Draw(int offsetX, int offsetY);

    int Width() const { return source.right - source.left; }
    int Height() const { return source.bottom - source.top; }
    bool Contains(int px, int py) const;

    GUIElement* parent = nullptr;
    int x;
    int y;
    int right;
    int bottom;
    Rect source;
    Rect clip;
    SyncList<GUIElement> children;
    int id;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    bool fit;
    int dock;
    Game* owner;
    int ownerDraw;
};
