// The pages of the main menu: their panels and buttons.
#include <vector>

#include "app/AppState.h"
#include "gui/GUIElement.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"

namespace {

// Button regions of menu2; the highlighted form of each lies right below it.
struct Region {
    int left;
    int top;
    int right;
    int bottom;
};
constexpr Region kWide{0, 700, 300, 750};
constexpr Region kShort{300, 700, 400, 750};
constexpr Region kSquare{250, 600, 300, 650};
constexpr Region kLanguage{600, 600, 624, 624};
constexpr Region kReset{50, 600, 200, 650};
constexpr Region kScrollUp{700, 700, 750, 750};
constexpr Region kScrollDown{750, 700, 800, 750};
constexpr Region kScrollLeft{650, 600, 700, 650};
constexpr Region kScrollRight{700, 600, 750, 650};

// Panel regions (menu1, or menu2 for the large panel, menu3 for the list).
constexpr Region kMainPanel{0, 0, 400, 600};
constexpr Region kSmallPanel{350, 600, 750, 900};
constexpr Region kTallPanel{0, 600, 350, 1000};
constexpr Region kLargePanel{0, 0, 800, 600};
constexpr Region kResultPanel{400, 0, 1000, 450};
constexpr Region kListPanel{0, 0, 400, 700};

struct ButtonLabelText {
    int id;
    int text;
};

constexpr ButtonLabelText kLabels[] = {
    {2, 6},   {3, 1},   {4, 9},   {5, 11},  {6, 10},  {10, 0},  {11, 59}, {12, 60}, {13, 61},
    {15, 0},  {16, 8},  {17, 7},  {19, 0},  {49, 98}, {53, 3},  {54, 11}, {55, 9},  {56, 4},
    {61, 99},  {70, 356}, {72, 368}, {73, 369}, {74, 0},
};

}  // namespace

GUIElement* MainMenu::AddPage(int pageId, int left, int top, int right, int bottom, int x, int y) {
    const int slot = PageSlot(pageId);
    delete guiElements[slot];
    guiElements[slot] = new GUIElement(pageId, left, top, right, bottom, static_cast<float>(x),
                                       static_cast<float>(y), this, slot);
    return guiElements[slot];
}

void MainMenu::AddButton(GUIElement* page, int id, int left, int top, int right, int bottom, int x, int y) {
    page->AddChild(new GUIElement(id, left, top, right, bottom, static_cast<float>(x), static_cast<float>(y),
                                  page->owner, page->ownerDraw));
}

void MainMenu::BuildPages() {
    struct Button {
        int id;
        Region region;
        int x;
        int y;
    };
    // A page: its panel centred on the screen's centre less (dx, dy), its buttons.
    struct Page {
        int pageId;
        Region panel;
        int dx;
        int dy;
        std::vector<Button> buttons;
    };
    static const Page kMenuPages[] = {
        {PAGE_MAIN, kMainPanel, 200, 300,
         {{2, kWide, 50, 150}, {4, kWide, 50, 225}, {5, kWide, 50, 300}, {6, kWide, 50, 375}, {3, kWide, 50, 450},
          {7, kLanguage, 76, 552}, {8, kLanguage, 224, 552}}},
        {PAGE_MODE, kSmallPanel, 200, 150, {{16, kWide, 50, 75}, {17, kWide, 50, 150}, {15, kShort, 50, 225}}},
        {PAGE_DIFFICULTY, kSmallPanel, 200, 150,
         {{11, kWide, 50, 75}, {12, kWide, 50, 125}, {13, kWide, 50, 175}, {10, kShort, 50, 225}}},
    };
    static const Page kLaterPages[] = {
        {PAGE_PICTURE, kTallPanel, 175, 200, {{46, kSquare, 150, 338}}},
        {PAGE_STATISTICS, kLargePanel, 400, 300,
         {{48, kSquare, 50, 525}, {70, kWide, 250, 525}, {49, kReset, 600, 525}}},
        {PAGE_PROGRESS, kLargePanel, 400, 300,
         {{67, kSquare, 50, 525}, {68, kScrollLeft, 100, 75}, {69, kScrollRight, 650, 75}}},
        {PAGE_RESET, kSmallPanel, 200, 150, {{72, kWide, 50, 130}, {73, kWide, 50, 185}, {74, kWide, 50, 240}}},
        {PAGE_PAUSE, kTallPanel, 175, 200,
         {{53, kWide, 25, 75}, {54, kWide, 25, 150}, {55, kWide, 25, 225}, {56, kWide, 25, 300}}},
        {PAGE_GAME_HELP, kLargePanel, 400, 300, {{58, kSquare, 50, 525}}},
        {PAGE_GAME_STATISTICS, kLargePanel, 400, 300, {{60, kSquare, 50, 525}, {61, kShort, 650, 525}}},
        {PAGE_RESULT, kResultPanel, 300, 225, {{63, kSquare, 275, 375}}},
        {PAGE_TEST_RESULT, kResultPanel, 300, 225, {{65, kSquare, 275, 375}}},
        {PAGE_HELP, kLargePanel, 400, 300, {{51, kSquare, 50, 525}}},
    };
    auto build = [this](const Page& page) {
        const Region& r = page.panel;
        GUIElement* panel = AddPage(page.pageId, r.left, r.top, r.right, r.bottom,
                                    app->screenWidth / 2 - page.dx, app->screenHeight / 2 - page.dy);
        for (const Button& button : page.buttons) {
            AddButton(panel, button.id, button.region.left, button.region.top, button.region.right,
                      button.region.bottom, button.x, button.y);
        }
    };
    // The menu's own pages, the game list, then the pages shown over a game.
    for (const Page& page : kMenuPages) {
        build(page);
    }
    listOffset = 0;
    listLastRow = kVisibleGames - 1;
    BuildGameList();
    for (const Page& page : kLaterPages) {
        build(page);
    }
}

void MainMenu::BuildGameList() {
    // The click that rebuilds the list was taken by one of the elements that go.
    lastRouteResult = nullptr;
    GUIElement* list = AddPage(PAGE_GAME_LIST, kListPanel.left, kListPanel.top, kListPanel.right,
                               kListPanel.bottom, app->screenWidth / 2 - 200, app->screenHeight / 2 - 350);
    for (int row = 0; row <= listLastRow; ++row) {
        AddButton(list, kFirstGameButton + listOffset + row, kWide.left, kWide.top, kWide.right, kWide.bottom, 50,
                  135 + 60 * row);
    }
    AddButton(list, 19, kShort.left, kShort.top, kShort.right, kShort.bottom, 150, 625);
    if (listOffset != 0) {
        AddButton(list, 20, kScrollUp.left, kScrollUp.top, kScrollUp.right, kScrollUp.bottom, 175, 75);
    }
    if (listOffset < kGameCount - 1 - listLastRow) {
        AddButton(list, 21, kScrollDown.left, kScrollDown.top, kScrollDown.right, kScrollDown.bottom, 175, 560);
    }
}

int MainMenu::ButtonLabel(int id) {
    if (id >= kFirstGameButton && id < kFirstGameButton + kGameCount) {
        return GameAt(id - kFirstGameButton)->labelText;
    }
    for (const ButtonLabelText& label : kLabels) {
        if (label.id == id) {
            return label.text;
        }
    }
    return -1;
}
