#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/Game.h"
#include "gui/GUIElement.h"

namespace {

// An element that records the events it was asked about.
class ProbeElement : public GUIElement {
public:
    ProbeElement(int id, int left, int top, int width, int height, Game* owner)
        : GUIElement(id, 0, 0, width, height, static_cast<float>(left), static_cast<float>(top), owner, 0) {}
    GUIElement* HitTest(int px, int py, int event) override {
        ++asked;
        lastEvent = event;
        return GUIElement::HitTest(px, py, event);
    }
    int asked = 0;
    int lastEvent = 0;
};

class TestScreen : public Game {
public:
    void OnLostDevice() override {}
    void OnResetDevice() override {}
    ProbeElement* Put(int slot, ProbeElement* element, bool enabled = true) {
        guiElements[slot] = element;
        guiEnabled[slot] = enabled;
        return element;
    }
};

class RoutingTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAppState(); }
    void MoveMouse(int x, int y) {
        GetAppState()->mouseX = x;
        GetAppState()->mouseY = y;
    }
};

TEST_F(RoutingTest, TheLowestEnabledSlotThatTakesTheEventWinsAndIsRemembered) {
    TestScreen screen;
    ProbeElement* disabled = screen.Put(0, new ProbeElement(10, 0, 0, 500, 500, &screen), false);
    ProbeElement* miss = screen.Put(2, new ProbeElement(11, 600, 600, 50, 50, &screen));
    ProbeElement* first = screen.Put(5, new ProbeElement(12, 0, 0, 300, 300, &screen));
    ProbeElement* second = screen.Put(9, new ProbeElement(13, 0, 0, 300, 300, &screen));
    MoveMouse(100, 100);
    EXPECT_TRUE(screen.RouteEvent(1));
    EXPECT_EQ(screen.lastRouteResult, first);
    EXPECT_EQ(disabled->asked, 0);  // disabled slots are not even looked at
    EXPECT_EQ(miss->asked, 1);
    EXPECT_EQ(first->asked, 1);
    EXPECT_EQ(first->lastEvent, 1);
    EXPECT_EQ(second->asked, 0);
    // A miss forgets the last result; with nothing enabled it is kept, as no element was asked.
    MoveMouse(400, 400);
    EXPECT_FALSE(screen.RouteEvent(-1));
    EXPECT_EQ(screen.lastRouteResult, nullptr);
    MoveMouse(100, 100);
    screen.RouteEvent(-1);
    for (const int slot : {2, 5, 9}) {
        screen.guiEnabled[slot] = false;
    }
    EXPECT_FALSE(screen.RouteEvent(-1));
    EXPECT_EQ(screen.lastRouteResult, first);
}

}  // namespace
