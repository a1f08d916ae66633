#include "gui/GUIElement.h"

#include "app/AppState.h"
#include "app/Game.h"

GUIElement::GUIElement(int id, int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, float x,
                       float y, Game* owner, int ownerDraw, bool fit, int dock)
    : x(static_cast<int>(x)),
      y(static_cast<int>(y)),
      source{sourceLeft, sourceTop, sourceRight, sourceBottom},
      clip{0, 0, GetAppState()->screenWidth, GetAppState()->screenHeight},
      id(id),
      fit(fit),
      dock(dock),
      owner(owner),
      ownerDraw(ownerDraw) {
    right = this->x + Width();
    bottom = this->y + Height();
}

bool GUIElement::Contains(int px, int py) const {
    const double scaledRight = x + static_cast<double>(Width()) * scaleX;
    const double scaledBottom = y + static_cast<double>(Height()) * scaleY;
    return px >= x && px <= scaledRight && py >= y && py <= scaledBottom;
}

GUIElement* GUIElement::HitTest(int px, int py, int event) {
    if (!Contains(px, py)) {
        return nullptr;
    }
    for (int i = 0; i < children.Count(); ++i) {
        GUIElement* hit = children.GetAt(i)->HitTest(px - x, py - y, event);
        if (hit != nullptr) {
            return hit;
        }
    }
    return this;
}

bool GUIElement::AddChild(GUIElement* child) {
    children.Add(child);
    child->parent = this;
    return true;
}

void GUIElement::Draw(int offsetX, int offsetY) {
    if (owner != nullptr) {
        owner->CallOwnerDraw(ownerDraw, this, source.left, source.top, source.right, source.bottom,
                             static_cast<float>(x + offsetX), static_cast<float>(y + offsetY), scaleX, scaleY);
    }
    for (int i = 0; i < children.Count(); ++i) {
        children.GetAt(i)->Draw(x + offsetX, y + offsetY);
    }
}
