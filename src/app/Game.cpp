#include "app/Game.h"

#include "app/AppState.h"
#include "gui/GUIElement.h"

Game::Game() : app(GetAppState()) {
    for (int i = 0; i < kElementSlots; ++i) {
        guiElements[i] = nullptr;
        guiEnabled[i] = false;
    }
}

Game::~Game() {
    for (GUIElement*& element : guiElements) {
        delete element;
        element = nullptr;
    }
}

void Game::CallOwnerDraw(int slot, GUIElement* element, int left, int top, int right, int bottom, float x,
                         float y, float scaleX, float scaleY) {
    using Draw = void (Game::*)(GUIElement*, int, int, int, int, float, float, float, float);
    static constexpr Draw kSlots[kElementSlots] = {
        &Game::OwnerDraw0, &Game::OwnerDraw1, &Game::OwnerDraw2,  &Game::OwnerDraw3,  &Game::OwnerDraw4,
        &Game::OwnerDraw5, &Game::OwnerDraw6, &Game::OwnerDraw7,  &Game::OwnerDraw8,  &Game::OwnerDraw9,
        &Game::OwnerDraw10, &Game::OwnerDraw11, &Game::OwnerDraw12, &Game::OwnerDraw13,
    };
    if (slot >= 0 && slot < kElementSlots) {
        (this->*kSlots[slot])(element, left, top, right, bottom, x, y, scaleX, scaleY);
    }
}

bool Game::RouteEvent(int event) {
    for (int i = 0; i < kElementSlots; ++i) {
        if (!guiEnabled[i] || guiElements[i] == nullptr) {
            continue;
        }
        lastRouteResult = guiElements[i]->HitTest(app->mouseX, app->mouseY, event);
        if (lastRouteResult != nullptr) {
            return true;
        }
    }
    return false;
}
