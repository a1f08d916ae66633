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

    // Values of dock: where the parent's Layout puts the element.
    static constexpr int kDockNone = 0;
    static constexpr int kDockLeft = 1;    // stacked from the left, as high as the room left
    static constexpr int kDockRight = 2;   // stacked from the right, as high as the room left
    static constexpr int kDockTop = 3;     // stacked from the top, as wide as the room left
    static constexpr int kDockBottom = 4;  // stacked from the bottom, as wide as the room left
    static constexpr int kDockFill = 5;    // takes the room the others leave

    GUIElement(int id, int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, float x, float y,
               Game* owner, int ownerDraw, bool fit = false, int dock = kDockNone);
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
    // False for null, for this element itself and for a child already held.
    virtual bool AddChild(GUIElement* child);
    // Detaches child from this element or from any element below it; the
    // caller owns it from then on. False when it is nowhere in the tree.
    virtual bool RemoveChild(GUIElement* child);
    // Asks the owner to draw this element at its position plus the offset,
    // then draws the children on top of it.
    virtual void Draw(int offsetX, int offsetY);
    // Places the children by their docks inside this element (scaled size),
    // stretches those that fit, lays out each child in turn and bounds its
    // moves to this element.
    virtual void Layout();
    // Moves the element, each axis on its own: a move that would leave the
    // clip area on one axis is dropped on that axis only.
    virtual void MoveBy(int dx, int dy);
    // Closes every element below this one.
    virtual void CloseAll();
    // Opens or closes the element; opening it closes its siblings (and
    // everything below them).
    virtual void SetOpen(bool openIt);
    // Closes every child other than except, and everything below them except
    // that one element.
    virtual void CloseOthers(GUIElement* except);

    int Width() const { return source.right - source.left; }
    int Height() const { return source.bottom - source.top; }
    bool Contains(int px, int py) const;
    // Puts the top-left corner at (px, py) in the parent's frame; the size stays.
    void PlaceAt(int px, int py);

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
    // Set by SetOpen; the owner decides what an open element shows.
    bool open = false;

private:
    // Stretches a fitting element to the given size on one axis; any other
    // element (or one of no size on that axis) keeps scale 1.
    void FitHeight(int height);
    void FitWidth(int width);
};
