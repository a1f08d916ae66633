#include "gui/GUIElement.h"

#include "app/AppState.h"
#include "app/Game.h"

namespace {

// A scaled length cut toward zero, as positions are whole pixels.
int Scaled(int length, float scale) { return static_cast<int>(static_cast<float>(length) * scale); }

}  // namespace

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

void GUIElement::PlaceAt(int px, int py) {
    x = px;
    y = py;
    right = px + Width();
    bottom = py + Height();
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
    // Holding an element twice would delete it twice.
    if (child == nullptr || child == this || !children.Add(child, true)) {
        return false;
    }
    child->parent = this;
    return true;
}

bool GUIElement::RemoveChild(GUIElement* child) {
    if (child == nullptr) {
        return false;
    }
    if (children.Detach(child)) {
        child->parent = nullptr;
        return true;
    }
    for (int i = 0; i < children.Count(); ++i) {
        if (children.GetAt(i)->RemoveChild(child)) {
            return true;
        }
    }
    return false;
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

void GUIElement::FitHeight(int height) {
    scaleY = (fit && Height() != 0) ? static_cast<float>(height) / static_cast<float>(Height()) : 1.0f;
}

void GUIElement::FitWidth(int width) {
    scaleX = (fit && Width() != 0) ? static_cast<float>(width) / static_cast<float>(Width()) : 1.0f;
}

void GUIElement::Layout() {
    const float w = static_cast<float>(Width()) * scaleX;
    const float h = static_cast<float>(Height()) * scaleY;
    int left = 0;
    int top = 0;
    int rightUsed = 0;
    int bottomUsed = 0;  // counts down from the bottom edge

    for (int i = 0; i < children.Count(); ++i) {
        GUIElement* child = children.GetAt(i);
        switch (child->dock) {
            case kDockLeft:
                child->PlaceAt(left, top);
                left += Scaled(child->Width(), child->scaleX);
                child->FitHeight(static_cast<int>(h - static_cast<float>(top) + static_cast<float>(bottomUsed)));
                break;
            case kDockRight:
                rightUsed += Scaled(child->Width(), child->scaleX);
                child->PlaceAt(static_cast<int>(w - static_cast<float>(rightUsed)), top);
                child->FitHeight(static_cast<int>(h - static_cast<float>(top) + static_cast<float>(bottomUsed)));
                break;
            case kDockTop:
                child->PlaceAt(left, top);
                top += Scaled(child->Height(), child->scaleY);
                child->FitWidth(static_cast<int>(w - static_cast<float>(left) - static_cast<float>(rightUsed)));
                break;
            case kDockBottom:
                bottomUsed -= Scaled(child->Height(), child->scaleY);
                child->PlaceAt(left, static_cast<int>(h + static_cast<float>(bottomUsed)));
                child->FitWidth(static_cast<int>(w - static_cast<float>(left) - static_cast<float>(rightUsed)));
                break;
            default:
                break;
        }
    }

    for (int i = 0; i < children.Count(); ++i) {
        GUIElement* child = children.GetAt(i);
        if (child->dock == kDockFill) {
            child->PlaceAt(left, top);
            child->FitHeight(Height() - top + bottomUsed);
            child->FitWidth(Width() - left - rightUsed);
        }
        child->Layout();
        child->clip = Rect{0, 0, static_cast<int>(w), static_cast<int>(h)};
    }
}

void GUIElement::MoveBy(int dx, int dy) {
    if (right + dx <= clip.right - clip.left && x + dx >= 0) {
        x += dx;
        right += dx;
    }
    if (bottom + dy <= clip.bottom - clip.top && y + dy >= 0) {
        y += dy;
        bottom += dy;
    }
}

void GUIElement::CloseAll() {
    for (int i = 0; i < children.Count(); ++i) {
        GUIElement* child = children.GetAt(i);
        child->SetOpen(false);
        child->CloseAll();
    }
}

// Only opening reaches the parent, and CloseOthers only walks down the tree:
// opening and closing never call each other back and forth.
void GUIElement::SetOpen(bool openIt) {
    open = openIt;
    if (openIt && parent != nullptr) {
        parent->CloseOthers(this);
    }
}

void GUIElement::CloseOthers(GUIElement* except) {
    for (int i = 0; i < children.Count(); ++i) {
        GUIElement* child = children.GetAt(i);
        if (child == except) {
            continue;
        }
        child->SetOpen(false);
        child->CloseOthers(except);
    }
}
