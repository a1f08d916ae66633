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

// An element of the given size at (x, y) whose source region starts at (0, 0).
GUIElement* Box(int id, int x, int y, int width, int height) {
    return new GUIElement(id, 0, 0, width, height, static_cast<float>(x), static_cast<float>(y), nullptr, 0);
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

TEST_F(GUIElementTest, AddChildHoldsAChildOnceAndNeverNullOrItself) {
    std::unique_ptr<GUIElement> panel(Box(1, 0, 0, 300, 300));
    GUIElement* child = Box(2, 200, 200, 50, 50);
    EXPECT_TRUE(panel->AddChild(child));
    EXPECT_FALSE(panel->AddChild(child));  // held once, deleted once
    EXPECT_FALSE(panel->AddChild(nullptr));
    EXPECT_FALSE(panel->AddChild(panel.get()));
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

}  // namespace
