#include "app/SyncList.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

// An item that reports its destruction.
struct Item {
    Item(int value, int* deletions) : value(value), deletions(deletions) {}
    ~Item() { ++*deletions; }
    int value;
    int* deletions;
};

std::vector<int> Values(SyncList<Item>& list) {
    std::vector<int> values;
    for (int i = 0; i < list.Count(); ++i) {
        values.push_back(list.GetAt(i)->value);
    }
    return values;
}

class SyncListTest : public ::testing::Test {
protected:
    Item* Make(int value) { return new Item(value, &deletions); }
    void AddAll(SyncList<Item>& list, std::initializer_list<int> values) {
        for (int value : values) {
            list.Add(Make(value));
        }
    }
    int deletions = 0;
};

TEST_F(SyncListTest, AddAppendsOrInsertsBeforeTheIndexAndLeavesTheCursorOnTheNewItem) {
    SyncList<Item> list;
    EXPECT_TRUE(list.Add(Make(1)));
    EXPECT_TRUE(list.Add(Make(2)));
    EXPECT_TRUE(list.Add(Make(3), false, 3));  // index == count appends
    EXPECT_EQ(list.CursorIndex(), 2);
    EXPECT_TRUE(list.Add(Make(0), false, 0));  // before the first item
    EXPECT_EQ(list.CursorIndex(), 0);
    EXPECT_TRUE(list.Add(Make(9), false, -5));  // negative appends
    EXPECT_TRUE(list.Add(Make(7), false, 2));
    EXPECT_EQ(list.CursorIndex(), 2);
    EXPECT_EQ(list.GetAt(2)->value, 7);
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 7, 2, 3, 9}));
    EXPECT_EQ(list.Count(), 6);
}

TEST_F(SyncListTest, GetAtWalksFromTheCursorInBothDirections) {
    SyncList<Item> list;
    AddAll(list, {0, 10, 20, 30, 40});
    EXPECT_EQ(list.GetAt(1)->value, 10);
    EXPECT_EQ(list.CursorIndex(), 1);
    EXPECT_EQ(list.GetAt(4)->value, 40);
    EXPECT_EQ(list.GetAt(0)->value, 0);
    EXPECT_EQ(list.GetAt(3)->value, 30);
    // Out of range: null, and the cursor stays where it was.
    EXPECT_EQ(list.GetAt(5), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.GetAt(-7), nullptr);
    EXPECT_EQ(list.CursorIndex(), 3);
}

TEST_F(SyncListTest, UniqueAddRefusesAPointerAlreadyHeld) {
    SyncList<Item> list;
    Item* shared = Make(5);
    list.Add(Make(1));
    EXPECT_TRUE(list.Add(shared, true));
    EXPECT_FALSE(list.Add(shared, true));
    EXPECT_EQ(list.Count(), 2);
    // Without unique the same pointer may be held twice; it must then be
    // detached once so that it is deleted only once.
    EXPECT_TRUE(list.Add(shared, false));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_TRUE(list.RemoveAt(2, false));
    EXPECT_EQ(deletions, 0);
}

TEST_F(SyncListTest, ContainsLeavesTheCursorOnTheFirstMatch) {
    SyncList<Item> list;
    Item* wanted = Make(2);
    AddAll(list, {0, 1});
    list.Add(wanted);
    AddAll(list, {3});
    EXPECT_TRUE(list.Contains(wanted));
    EXPECT_EQ(list.CursorIndex(), 2);
    Item outsider(99, &deletions);
    EXPECT_FALSE(list.Contains(&outsider));
    EXPECT_EQ(deletions, 0);
}

TEST_F(SyncListTest, RemovalDeletesOnlyWhenAskedAndResetsTheCursor) {
    SyncList<Item> list;
    Item* kept = Make(1);
    AddAll(list, {0});
    list.Add(kept);
    AddAll(list, {2, 3});
    EXPECT_TRUE(list.RemoveAt(1, false));
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(kept->value, 1);  // still alive for the caller
    EXPECT_EQ(list.CursorIndex(), -1);
    delete kept;
    deletions = 0;
    EXPECT_TRUE(list.RemoveAt(0, true));
    EXPECT_EQ(deletions, 1);
    EXPECT_FALSE(list.RemoveAt(2, true));  // index == count
    // A negative index removes the node under the cursor, but never a sentinel.
    EXPECT_FALSE(list.RemoveAt(-1, true));  // cursor reset: on the head
    EXPECT_EQ(Values(list), (std::vector<int>{2, 3}));
    list.GetAt(1);
    EXPECT_TRUE(list.RemoveAt(-1, true));
    EXPECT_EQ(Values(list), (std::vector<int>{2}));
    EXPECT_EQ(deletions, 2);
}

TEST_F(SyncListTest, RemoveAndDetachFindTheFirstNodeHoldingTheItem) {
    SyncList<Item> list;
    Item* a = Make(1);
    Item* b = Make(2);
    list.Add(a);
    list.Add(b);
    list.Add(Make(3));
    EXPECT_TRUE(list.Detach(b));
    EXPECT_EQ(deletions, 0);
    EXPECT_FALSE(list.Detach(b));
    delete b;
    EXPECT_TRUE(list.Remove(a));
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(Values(list), (std::vector<int>{3}));
}

TEST_F(SyncListTest, ClearAndDestructionDeleteEveryItem) {
    {
        SyncList<Item> list;
        list.Clear();  // empty: nothing happens
        EXPECT_EQ(list.CursorIndex(), -1);
        AddAll(list, {0, 1, 2, 3});
        list.Clear();
        EXPECT_EQ(deletions, 4);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.CursorIndex(), -1);
        EXPECT_EQ(list.GetAt(0), nullptr);
        AddAll(list, {7, 8});
        EXPECT_EQ(Values(list), (std::vector<int>{7, 8}));
    }
    EXPECT_EQ(deletions, 6);
}

}  // namespace
