// The main menu's drawing: the background or the hosted game with its
// countdown and fades, the page shown, and the mouse pointer.
#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Font.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "gui/GUIElement.h"
#include "menu/MainMenu.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

// A hovered button's label: a deep red, clear without glaring.
constexpr uint32_t kRed = 0xFFC62828u;
// The name being typed for a best list.
constexpr uint32_t kNameColour = 0xFF1F4E9Au;
constexpr int kNameHintText = 382;
constexpr uint32_t kDimText = 0xFF505050u;
constexpr uint32_t kHalfDark = 0x7F000000u;

// The solid block that, stretched over the screen, makes a veil.
const SheetRegion kVeilRegion{"veil", {500, 0, 550, 50}};
constexpr float kVeilSize = 50.0f;

// Pages in drawing order, by element slot.
constexpr int kDrawOrder[] = {0, 1, 2, 3, 4, 9, 11, 12, 13, 5, 6, 7, 8, 10};

// The texture of each slot's panel.
constexpr TextureSlot kPanelTexture[] = {TEX_MENU1, TEX_MENU1, TEX_MENU3, TEX_MENU1, TEX_MENU2,
                                         TEX_MENU1, TEX_MENU2, TEX_MENU2, TEX_MENU1, TEX_MENU1,
                                         TEX_MENU1, TEX_MENU2, TEX_MENU2, TEX_MENU1};

// The pointer's animation frames, each 50 x 50, with the tip at (8, 14).
constexpr int kPointerFrames = 9;
constexpr int kPointerSize = 50;
constexpr int kPointerTipX = 8;
constexpr int kPointerTipY = 14;

// The picture page's image, one per language (menu1).
const SheetRegion kPictureGerman{"picture de", {350, 925, 610, 995}};
const SheetRegion kPictureEnglish{"picture en", {610, 925, 870, 995}};

constexpr uint32_t kTextBlock = platform::dt::Center | platform::dt::VCenter;

int TitleText(int pageId) {
    switch (pageId) {
    case MainMenu::PAGE_MODE:
        return 6;
    case MainMenu::PAGE_GAME_LIST:
        return 7;
    case MainMenu::PAGE_PICTURE:
        return 10;
    case MainMenu::PAGE_STATISTICS:
    case MainMenu::PAGE_GAME_STATISTICS:
        return 9;
    case MainMenu::PAGE_PAUSE:
        return 12;
    case MainMenu::PAGE_GAME_HELP:
    case MainMenu::PAGE_HELP:
        return 11;
    case MainMenu::PAGE_DIFFICULTY:
        return 58;
    case MainMenu::PAGE_TEST_RESULT:
        return 64;
    case MainMenu::PAGE_PROGRESS:
        return 356;
    case MainMenu::PAGE_RESET:
        return 98;
    default:
        return -1;  // the main page has none; the result page shows the game's title
    }
}

const platform::Texture* Texture(AppState* app, int slot) { return app->textures[slot].get(); }

}  // namespace

void MainMenu::Render() {
    if (HostedGame()) {
        DrawBackground();
        game->Render();
        DrawHostedGameOverlays();
    } else {
        const SheetRegion whole{"background", {0, 0, 1024, 768}};
        const Vec2 scale{app->screenWidth / 1024.0f, app->screenHeight / 768.0f};
        const Vec2 origin{0.0f, 0.0f};
        DrawSprite(Texture(app, TEX_BG), whole, &scale, nullptr, 0.0, &origin, kWhite);
    }
    for (int slot : kDrawOrder) {
        if (guiEnabled[slot] && guiElements[slot] != nullptr) {
            guiElements[slot]->Draw(0, 0);
        }
    }
}

void MainMenu::DrawBackground() const {
    // Each of back1..back4 holds two 600 x 450 backgrounds, one above the other.
    static constexpr TextureSlot kBackgrounds[] = {TEX_BACK1, TEX_BACK1, TEX_BACK2, TEX_BACK2,
                                                   TEX_BACK3, TEX_BACK3, TEX_BACK4};
    const int index = std::clamp(backgroundIndex, 0, 6);
    const int top = 450 * (index % 2);
    const SheetRegion region{top == 0 ? "top" : "bottom", {0, top, 600, top + 450}};
    const Vec2 scale{app->screenWidth / 600.0f, app->screenHeight / 450.0f};
    const Vec2 origin{0.0f, 0.0f};
    DrawSprite(Texture(app, kBackgrounds[index]), region, &scale, nullptr, 0.0, &origin, kWhite);
}

void MainMenu::DrawVeil(int textureSlot, uint32_t colour) const {
    const Vec2 scale{app->screenWidth / kVeilSize, app->screenHeight / kVeilSize};
    const Vec2 origin{0.0f, 0.0f};
    DrawSprite(Texture(app, textureSlot), kVeilRegion, &scale, nullptr, 0.0, &origin, colour);
}

void MainMenu::DrawHostedGameOverlays() const {
    if (countdown > 0.0) {
        DrawVeil(TEX_MISC1, kHalfDark);
        const std::string text =
            countdown >= 1.0 ? FormatText("%d", static_cast<int>(countdown)) : std::string("Start");
        const float centreX = static_cast<float>(app->screenWidth / 2);
        const float centreY = static_cast<float>(app->screenHeight / 2);
        textRenderer->DrawTextAt(text, centreX + 3.0f, centreY + 3.0f, kBlack, kTextBlock, font80);
        textRenderer->DrawTextAt(text, centreX, centreY, kWhite, kTextBlock, font80);
        // What is about to start, above the count.
        const std::string& title = game->GetTitle();
        textRenderer->DrawTextAt(title, centreX + 2.0f, centreY - 88.0f, kBlack, kTextBlock, font40);
        textRenderer->DrawTextAt(title, centreX, centreY - 90.0f, kWhite, kTextBlock, font40);
    }
    if (endDelay >= 0.0) {
        // Fades towards half dark while the end delay runs out; while the game
        // runs the veil is fully transparent and not worth drawing.
        const auto alpha = static_cast<uint32_t>((1.0 - endDelay / kEndDelaySeconds) * 127.0);
        if (alpha > 0) {
            DrawVeil(TEX_MISC1, alpha << 24);
        }
    }
    if (guiEnabled[PageSlot(PAGE_RESULT)]) {
        DrawVeil(TEX_MISC2, kHalfDark);
    }
    // The pause, help and statistics pages of a paused game stand out from
    // the board they hide.
    if (guiEnabled[PageSlot(PAGE_PAUSE)] || guiEnabled[PageSlot(PAGE_GAME_HELP)] ||
        guiEnabled[PageSlot(PAGE_GAME_STATISTICS)]) {
        DrawVeil(TEX_MISC1, kHalfDark);
    }
}

void MainMenu::DrawCursor() {
    const double pressed = std::min(std::max(pressAnim / pressAnimMax * kPointerFrames, 0.0), 9.0);
    const int frame = kPointerFrames - static_cast<int>(pressed);
    const SheetRegion region{"pointer " + std::to_string(frame),
                             {kPointerSize * frame, 0, kPointerSize * frame + kPointerSize, kPointerSize}};
    const Vec2 at{static_cast<float>(app->mouseX - kPointerTipX), static_cast<float>(app->mouseY - kPointerTipY)};
    DrawSprite(Texture(app, TEX_MISC1), region, nullptr, nullptr, 0.0, &at, kWhite);
}

#define KNOBEL_MENU_OWNER_DRAW(n)                                                                              \
    void MainMenu::OwnerDraw##n(GUIElement* element, int left, int top, int right, int bottom, float x, float y, \
                                float scaleX, float scaleY) {                                                \
        DrawPageElement(n, element, left, top, right, bottom, x, y, scaleX, scaleY);                           \
    }
KNOBEL_MENU_OWNER_DRAW(0)
KNOBEL_MENU_OWNER_DRAW(1)
KNOBEL_MENU_OWNER_DRAW(2)
KNOBEL_MENU_OWNER_DRAW(3)
KNOBEL_MENU_OWNER_DRAW(4)
KNOBEL_MENU_OWNER_DRAW(5)
KNOBEL_MENU_OWNER_DRAW(6)
KNOBEL_MENU_OWNER_DRAW(7)
KNOBEL_MENU_OWNER_DRAW(8)
KNOBEL_MENU_OWNER_DRAW(9)
KNOBEL_MENU_OWNER_DRAW(10)
KNOBEL_MENU_OWNER_DRAW(11)
KNOBEL_MENU_OWNER_DRAW(12)
KNOBEL_MENU_OWNER_DRAW(13)
#undef KNOBEL_MENU_OWNER_DRAW

void MainMenu::DrawPageElement(int slot, GUIElement* element, int left, int top, int right, int bottom, float x,
                               float y, float scaleX, float scaleY) {
    if (element->parent == nullptr) {
        DrawPanel(slot, element, left, top, right, bottom, x, y, scaleX, scaleY);
    } else {
        DrawButton(element, left, top, right, bottom, x, y, scaleX, scaleY);
    }
}

void MainMenu::DrawPanel(int slot, GUIElement* panel, int left, int top, int right, int bottom, float x, float y,
                         float scaleX, float scaleY) {
    const platform::Rect region{left, top, right, bottom};
    const Vec2 scale{scaleX, scaleY};
    const Vec2 at{x, y};
    DrawSprite(Texture(app, kPanelTexture[slot]), &region, &scale, nullptr, 0.0, &at, kWhite);

    const int width = right - left;
    const int titleText = TitleText(panel->id);
    const std::string& title =
        panel->id == PAGE_RESULT && game ? game->GetTitle() : GetTextOrEmpty(titleText);
    if (panel->id != PAGE_MAIN) {
        textRenderer->DrawTextAt(title, x + static_cast<float>(width / 2), y + 20.0f, kBlack, platform::dt::Center,
                                 font40);
    }
    DrawPageContent(panel->id, panel, left, top, right, bottom, x, y, scaleX, scaleY);
}

void MainMenu::DrawPageContent(int pageId, GUIElement* panel, int left, int top, int right, int bottom, float x,
                               float y, float scaleX, float scaleY) {
    const int width = right - left;
    const int height = bottom - top;
    const int ix = static_cast<int>(x);
    switch (pageId) {
    case PAGE_PICTURE: {
        textRenderer->DrawTextAt(GetTextOrEmpty(56), x + static_cast<float>(width / 2), y + 70.0f, kBlack,
                                 platform::dt::Center, font30);
        textRenderer->DrawTextAt(std::string("Version ") + KNOBEL_VERSION, x + static_cast<float>(width / 2),
                                 y + 226.0f, kDimText, platform::dt::Center, font20);
        const SheetRegion& image = app->language == 1 ? kPictureEnglish : kPictureGerman;
        const Vec2 scale{scaleX, scaleY};
        const Vec2 at{x + 45.0f, y + 258.0f};
        DrawSprite(Texture(app, TEX_MENU1), image, &scale, nullptr, 0.0, &at, kWhite);
        break;
    }
    case PAGE_STATISTICS:
        // The best tests in the smaller face under the title, the totals below.
        textRenderer->DrawText(BestTestsText(), ix, static_cast<int>(y + 75.0f), static_cast<int>(x + width),
                               static_cast<int>(y + 320.0f), kBlack, platform::dt::Center, font20);
        textRenderer->DrawText(TotalsText(), ix, static_cast<int>(y + 320.0f), static_cast<int>(x + width),
                               static_cast<int>(y + height - 75.0f), kBlack, kTextBlock, font30);
        break;
    case PAGE_GAME_HELP:
        if (game) {
            game->DrawHelpText(panel, left, top, right, bottom, x, y, scaleX, scaleY, font30);
        }
        break;
    case PAGE_GAME_STATISTICS:
        if (game) {
            textRenderer->DrawText(game->GetStatisticsText(), ix, static_cast<int>(y + 75.0f),
                                   static_cast<int>(x + width), static_cast<int>(y + height), kBlack,
                                   platform::dt::Center, font30);
        }
        break;
    case PAGE_RESULT:
        if (game) {
            game->ComputeGrade();
            textRenderer->DrawText(game->GetResultText(), ix, static_cast<int>(y + 50.0f),
                                   static_cast<int>(x + width), static_cast<int>(y + height - 150.0f), kBlack,
                                   kTextBlock, font30);
        }
        if (pendingRecord) {
            DrawNameLine(pendingRecord->name, x, y, width, height);
        }
        break;
    case PAGE_TEST_RESULT:
        textRenderer->DrawText(TestResultText(), ix, static_cast<int>(y + 50.0f), static_cast<int>(x + width),
                               static_cast<int>(y + height - 150.0f), kBlack, kTextBlock, font30);
        if (pendingTest) {
            DrawNameLine(pendingTest->name, x, y, width, height);
        }
        break;
    case PAGE_PROGRESS:
        progressPage.Draw(*app, *textRenderer, font30, font20, x, y);
        break;
    case PAGE_RESET:
        textRenderer->DrawText(GetTextOrEmpty(367), ix + 25, static_cast<int>(y + 62.0f), ix + width - 25,
                               static_cast<int>(y + 128.0f), kBlack, kTextBlock | platform::dt::WordBreak, font20);
        break;
    case PAGE_HELP:
        textRenderer->DrawText(SpacedParagraphs(GetTextOrEmpty(76)), static_cast<int>(x + 50.0f),
                               static_cast<int>(y + 60.0f), static_cast<int>(x + width - 50.0f),
                               static_cast<int>(y + height - 70.0f), kBlack,
                               platform::dt::Left | platform::dt::VCenter | platform::dt::WordBreak, font20);
        break;
    default:
        break;
    }
}

void MainMenu::DrawNameLine(const std::string& name, float x, float y, int width, int height) const {
    // The name with a caret where the next letter goes; while it is empty, a
    // line under it says what to do.
    const int top = static_cast<int>(y + height - 150.0f);
    textRenderer->DrawText(FormatText(54, name) + "_", static_cast<int>(x), top, static_cast<int>(x + width),
                           top + 60, kNameColour, kTextBlock, font30);
    if (name.empty()) {
        textRenderer->DrawText(GetTextOrEmpty(kNameHintText), static_cast<int>(x), top + 50,
                               static_cast<int>(x + width), top + 80, kBlack, kTextBlock, font20);
    }
}

void MainMenu::DrawButton(GUIElement* button, int left, int top, int right, int bottom, float x, float y,
                          float scaleX, float scaleY) {
    const int id = button->id;
    if ((id == 63 && pendingRecord && pendingRecord->name.empty()) ||
        (id == 65 && pendingTest && pendingTest->name.empty())) {
        return;  // the player names the entry first
    }
    const int width = right - left;
    const int height = bottom - top;
    const bool hovered = button == lastRouteResult;
    const bool isLanguage = id == 7 || id == 8;
    const bool lowered = isLanguage ? app->language == id - 7 : hovered;
    const int shift = lowered ? height : 0;
    const platform::Rect region{left, top + shift, right, bottom + shift};
    const Vec2 scale{scaleX, scaleY};
    const Vec2 at{x, y};
    DrawSprite(Texture(app, TEX_MENU2), &region, &scale, nullptr, 0.0, &at, kWhite);

    const int label = ButtonLabel(id);
    if (label < 0) {
        return;
    }
    if (id == 49 || id == 61) {
        // The narrow reset buttons: the smaller face keeps the label off their edges.
        textRenderer->DrawText(GetTextOrEmpty(label), static_cast<int>(x), static_cast<int>(y),
                               static_cast<int>(x + width), static_cast<int>(y + height), kBlack, kTextBlock, font20);
        return;
    }
    textRenderer->DrawTextAt(GetTextOrEmpty(label), x + static_cast<float>(width / 2), y + 10.0f,
                             hovered ? kRed : kBlack, platform::dt::Center, font30);
}

// The menu's fonts are the text renderer's: the device reset sequence takes
// care of them.
void MainMenu::OnLostDevice() {
    if (game) {
        game->OnLostDevice();
    }
}

void MainMenu::OnResetDevice() {
    if (game) {
        game->OnResetDevice();
    }
}
