#include "app/Font.h"

#include <cmath>
#include <limits>

#include "app/AppState.h"
#include "app/TextRenderer.h"

namespace {

// The integer part of the size; 0 for sizes no face can have.
int LineHeightOf(double size) {
    if (!(std::isfinite(size) && size > 0.0 && size < std::numeric_limits<int>::max())) {
        return 0;
    }
    return static_cast<int>(size);
}

}  // namespace

Font::Font(const std::string& faceName, double size, int id)
    : id(id), faceName(faceName), size(size), tracker_(GetTextRenderer()) {
    AppState* app = GetAppState();
    if (app->renderer) {
        face = app->renderer->CreateFont(faceName, LineHeightOf(size));
    }
    tracker_->Track(this);
}

Font::~Font() { tracker_->Untrack(this); }

void Font::OnLostDevice() {
    if (face && !lost) {
        lost = true;
    }
}

void Font::OnResetDevice() {
    if (face && lost) {
        face->DropCache();
        lost = false;
    }
}
