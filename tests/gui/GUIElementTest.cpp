#include "gui/GUIElement.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/Game.h"

namespace {

// A screen that records the owner-draw calls of slots 2 and 7 as
// "slot #id source at x,y *scaleX,scaleY".
class DrawingScreen : public Game {
public:
    void OnLostDevice() override {}
    void OnResetDevice() override {}
    void OwnerDraw2(GUIElement* e, int l, int t, int r, int b, float x, float y, float sx, float sy) override {
        Record(2, e, l, t, r, b, x, y, sx, sy);
    }
    void OwnerDraw7(GUIElement* e, int l, int t, int r, int b, float x, float y, float sx, float sy) override {
        Record(7, e, l, t, r, b, x, y, sx, sy);
    }
    void Record(int slot, GUIElement* e, int l, int t, int r, int b, float x, float y, float sx, float sy) {
        std::ostringstream call;
        call << slot << " #" << e->id << ' ' << l << ',' << t << ',' << r << ',' << b << " at " << x << ',' << y
             << " *" << sx << ',' << sy;
        calls.push_back(call.str());
    }
    std::vector<std::string> calls;
};

// Where an element sits in its parent and how it is stretched: "x,y *scaleX,scaleY".
std::string Place(const GUIElement* e) {
    std::ostringstream place;
    place << e->x << ',' << e->y << " *" << e->scaleX << ',' << e->scaleY;
    return place.str();
}

// An element of the given size at (x, y) whose source region starts at (0, 0).
GUIElement* Box(int id, int x, int y, int width, int height, Game* owner = nullptr, int ownerDraw = 0,
                bool fit = false, int dock = GUIElement::kDockNone) {
    return new GUIElement(id, 0, 0, width, height, static_cast<float>(x), static_cast<float>(y), owner, ownerDraw,
                          fit, dock);
}

class GUIElementTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAppState(); }
};

TEST_F(GUIElementTest, HitTestIncludesTheScaledEdgesWithoutRounding) {
    std::unique_ptr<GUIElement> element(Box(1, 100, 100, 50, 40));
    // 50 x 1.01 = 50.5: x = 150 is inside, 151 would be inside if it were rounded up.
    const struct {
        float scaleX, scaleY;
        int x, y;
        bool hit;
    } cases[] = {{1, 1, 100, 100, true}, {1, 1, 150, 140, true}, {1, 1, 151, 120, false}, {1, 1, 120, 141, false},
                 {1, 1, 99, 120, false}, {1.01f, 2, 150, 180, true}, {1.01f, 2, 151, 180, false}, {1.01f, 2, 150, 181, false}};
    for (const auto& c : cases) {
        element->scaleX = c.scaleX;
        element->scaleY = c.scaleY;
        EXPECT_EQ(element->HitTest(c.x, c.y, -1), c.hit ? element.get() : nullptr) << c.x << "," << c.y << " *" << c.scaleX;
    }
}

TEST_F(GUIElementTest, ChildrenAreFoundOnlyInsideTheirParentAndTheFirstAddedWins) {
    std::unique_ptr<GUIElement> panel(Box(1, 100, 100, 100, 100));
    GUIElement* first = Box(2, 50, 50, 100, 100);  // reaches past the panel
    GUIElement* second = Box(3, 60, 60, 20, 20);   // lies under the first one
    ASSERT_TRUE(panel->AddChild(first));
    ASSERT_TRUE(panel->AddChild(second));
    EXPECT_EQ(first->parent, panel.get());
    EXPECT_EQ(panel->HitTest(165, 165, 1), first);     // both children: the first added
    EXPECT_EQ(panel->HitTest(200, 200, 1), first);     // the panel's corner
    EXPECT_EQ(panel->HitTest(201, 201, 1), nullptr);   // inside the child only
    EXPECT_EQ(panel->HitTest(120, 120, 1), panel.get());
    // A grandchild is asked in its parent's frame.
    GUIElement* grandchild = Box(4, 10, 10, 5, 5);
    first->AddChild(grandchild);
    EXPECT_EQ(panel->HitTest(160, 160, -1), grandchild);
    EXPECT_EQ(panel->HitTest(166, 166, -1), first);
}

TEST_F(GUIElementTest, AddChildKeepsOwnershipWholeAndRemoveChildDetachesAGrandchildThroughItsParent) {
    std::unique_ptr<GUIElement> panel(Box(1, 0, 0, 300, 300));
    GUIElement* empty = Box(2, 200, 200, 50, 50);
    GUIElement* middle = Box(3, 0, 0, 100, 100);
    GUIElement* grandchild = Box(4, 10, 10, 20, 20);
    EXPECT_TRUE(panel->AddChild(empty));
    EXPECT_FALSE(panel->AddChild(empty));  // held once, deleted once
    EXPECT_FALSE(panel->AddChild(nullptr));
    EXPECT_FALSE(panel->AddChild(panel.get()));
    panel->AddChild(middle);
    middle->AddChild(grandchild);
    ASSERT_EQ(panel->children.Count(), 2);
    ASSERT_EQ(panel->HitTest(15, 15, 1), grandchild);
    EXPECT_TRUE(panel->RemoveChild(grandchild));
    std::unique_ptr<GUIElement> removed(grandchild);  // not destroyed: ours now
    EXPECT_EQ(grandchild->parent, nullptr);
    EXPECT_EQ(middle->children.Count(), 0);
    EXPECT_EQ(panel->HitTest(15, 15, 1), middle);
    EXPECT_FALSE(panel->RemoveChild(grandchild));
    EXPECT_FALSE(panel->RemoveChild(nullptr));
    EXPECT_TRUE(panel->RemoveChild(empty));
    std::unique_ptr<GUIElement> removedToo(empty);
    EXPECT_EQ(panel->children.Count(), 1);
}

TEST_F(GUIElementTest, DrawCallsTheOwnersSlotWithPositionsAddedAlongTheChain) {
    DrawingScreen screen;
    GUIElement* panel = new GUIElement(1, 0, 0, 400, 300, 100.0f, 20.0f, &screen, 2);
    GUIElement* button = new GUIElement(2, 10, 600, 110, 650, 50.0f, 5.0f, &screen, 7);
    GUIElement* label = new GUIElement(3, 0, 0, 10, 10, 1.0f, 2.0f, &screen, 2);
    GUIElement* unbound = new GUIElement(4, 0, 0, 10, 10, 0.0f, 0.0f, &screen, 14);  // no such slot
    screen.guiElements[0] = panel;
    panel->AddChild(button);
    panel->AddChild(unbound);
    button->AddChild(label);
    panel->scaleX = 2.0f;  // scale is not inherited
    button->scaleY = 0.5f;
    panel->Draw(0, 0);
    // The label is drawn after its parent, before the parent's next sibling.
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"2 #1 0,0,400,300 at 100,20 *2,1",
                                                      "7 #2 10,600,110,650 at 150,25 *1,0.5",
                                                      "2 #3 0,0,10,10 at 151,27 *1,1"}));
}

TEST_F(GUIElementTest, MoveByDropsOnlyTheAxisThatWouldLeaveTheClipArea) {
    std::unique_ptr<GUIElement> element(Box(1, 10, 10, 100, 50));
    element->clip = GUIElement::Rect{0, 0, 200, 100};
    element->MoveBy(-20, 5);  // the left edge would go below 0
    EXPECT_EQ(Place(element.get()), "10,15 *1,1");
    EXPECT_EQ(element->right, 110);
    EXPECT_EQ(element->bottom, 65);
    element->MoveBy(90, 36);  // right edge exactly on the clip edge; bottom past it
    EXPECT_EQ(Place(element.get()), "100,15 *1,1");
    EXPECT_EQ(element->right, 200);
    element->MoveBy(1, -15);
    EXPECT_EQ(Place(element.get()), "100,0 *1,1");
    EXPECT_EQ(element->bottom, 50);
    // The clip area counts by its size.
    element->clip = GUIElement::Rect{50, 50, 350, 150};
    element->MoveBy(100, 0);
    EXPECT_EQ(element->x, 200);
}

TEST_F(GUIElementTest, LayoutStacksDockedChildrenAndFillsTheRest) {
    std::unique_ptr<GUIElement> frame(Box(1, 0, 0, 400, 300));
    GUIElement* left = Box(2, 7, 7, 50, 10, nullptr, 0, true, GUIElement::kDockLeft);
    GUIElement* top = Box(3, 0, 0, 100, 20, nullptr, 0, true, GUIElement::kDockTop);
    GUIElement* right = Box(4, 0, 0, 30, 10, nullptr, 0, false, GUIElement::kDockRight);
    GUIElement* bottom = Box(5, 0, 0, 100, 40, nullptr, 0, true, GUIElement::kDockBottom);
    GUIElement* fill = Box(6, 0, 0, 10, 10, nullptr, 0, true, GUIElement::kDockFill);
    GUIElement* loose = Box(7, 3, 4, 10, 10);
    GUIElement* inner = Box(8, 9, 9, 5, 5, nullptr, 0, true, GUIElement::kDockFill);
    for (GUIElement* child : {left, top, right, bottom, fill, loose}) {
        frame->AddChild(child);
    }
    fill->AddChild(inner);
    frame->Layout();
    EXPECT_EQ(Place(left), "0,0 *1,30");         // 300 high
    EXPECT_EQ(Place(top), "50,0 *3.5,1");        // 350 wide: the width right of the left stack
    EXPECT_EQ(Place(right), "370,20 *1,1");      // does not fit
    EXPECT_EQ(Place(bottom), "50,260 *3.2,1");   // 400 - 50 - 30
    EXPECT_EQ(Place(fill), "50,20 *32,24");      // 320 x 240 of room
    EXPECT_EQ(Place(loose), "3,4 *1,1");         // no dock: stays where it was
    EXPECT_EQ(left->right, 50);
    EXPECT_EQ(bottom->bottom, 300);
    // Every child is bounded by the frame and laid out itself; the fill's
    // child fills its unscaled 10 x 10 and is bounded by its scaled size.
    for (GUIElement* child : {left, top, right, bottom, fill, loose}) {
        EXPECT_EQ(child->clip.right, 400);
        EXPECT_EQ(child->clip.bottom, 300);
    }
    EXPECT_EQ(Place(inner), "0,0 *2,2");
    EXPECT_EQ(inner->clip.right, 320);
    EXPECT_EQ(inner->clip.bottom, 240);
}

TEST_F(GUIElementTest, LayoutUsesTheScaledSizeAndLeavesEmptyRegionsUnstretched) {
    std::unique_ptr<GUIElement> frame(Box(1, 0, 0, 100, 50));
    frame->scaleX = 2.0f;
    frame->scaleY = 2.0f;
    GUIElement* right = Box(2, 0, 0, 20, 10, nullptr, 0, true, GUIElement::kDockRight);
    GUIElement* flat = Box(3, 0, 0, 0, 0, nullptr, 0, true, GUIElement::kDockTop);
    frame->AddChild(right);
    frame->AddChild(flat);
    frame->Layout();
    EXPECT_EQ(Place(right), "180,0 *1,10");  // 100 of scaled height
    EXPECT_EQ(Place(flat), "0,0 *1,1");      // no size: not stretched (no division by zero)
    EXPECT_EQ(right->clip.right, 200);
}

TEST_F(GUIElementTest, OpeningAnElementClosesItsSiblingsAndEnds) {
    std::unique_ptr<GUIElement> menu(Box(1, 0, 0, 300, 300));
    GUIElement* file = Box(2, 0, 0, 10, 10);
    GUIElement* edit = Box(3, 0, 0, 10, 10);
    GUIElement* view = Box(4, 0, 0, 10, 10);
    GUIElement* editItem = Box(5, 0, 0, 10, 10);
    menu->AddChild(file);
    menu->AddChild(edit);
    menu->AddChild(view);
    edit->AddChild(editItem);
    edit->SetOpen(true);
    editItem->SetOpen(true);
    view->SetOpen(true);  // closes file and edit, and what edit holds
    EXPECT_TRUE(view->open);
    EXPECT_FALSE(edit->open);
    EXPECT_FALSE(editItem->open);
    EXPECT_FALSE(file->open);
    view->SetOpen(false);  // closing touches nothing else
    file->SetOpen(true);
    editItem->open = true;
    menu->SetOpen(true);  // a top-level element has no siblings
    EXPECT_TRUE(menu->open);
    EXPECT_TRUE(file->open);
    menu->CloseAll();
    EXPECT_TRUE(menu->open);
    EXPECT_FALSE(file->open);
    EXPECT_FALSE(editItem->open);
}

}  // namespace
