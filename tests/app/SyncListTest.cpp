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

TEST_F(SyncListTest, AddAppendsOrInsertsBeforeTheIndexAndGetAtWalksBothWays) {
    SyncList<Item> list;
    AddAll(list, {1, 2});
    EXPECT_TRUE(list.Add(Make(3), false, 2));  // index == count appends
    EXPECT_TRUE(list.Add(Make(0), false, 0));  // before the first item
    EXPECT_TRUE(list.Add(Make(9), false, -5));  // negative appends
    EXPECT_TRUE(list.Add(Make(7), false, 2));
    EXPECT_EQ(list.CursorIndex(), 2);  // on the new item
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 7, 2, 3, 9}));
    EXPECT_EQ(list.GetAt(1)->value, 1);
    EXPECT_EQ(list.GetAt(4)->value, 3);
    // Out of range: null, and the cursor stays where it was.
    for (const int index : {6, -1, -7}) {
        EXPECT_EQ(list.GetAt(index), nullptr) << index;
    }
    EXPECT_EQ(list.CursorIndex(), 4);
}

TEST_F(SyncListTest, UniqueAddAndContainsLookForThePointer) {
    SyncList<Item> list;
    Item* shared = Make(5);
    list.Add(Make(1));
    EXPECT_TRUE(list.Add(shared, true));
    EXPECT_FALSE(list.Add(shared, true));
    EXPECT_TRUE(list.Contains(shared));
    Item outsider(99, &deletions);
    EXPECT_FALSE(list.Contains(&outsider));
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(SyncListTest, ClearAndDestructionDeleteEveryItem) {
    {
        SyncList<Item> list;
        list.Clear();  // empty: nothing happens
        AddAll(list, {0, 1, 2, 3});
        list.Clear();
        EXPECT_EQ(deletions, 4);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.GetAt(0), nullptr);
        AddAll(list, {7, 8});
        EXPECT_EQ(Values(list), (std::vector<int>{7, 8}));
    }
    EXPECT_EQ(deletions, 6);
}

}  // namespace
