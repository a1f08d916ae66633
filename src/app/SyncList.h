#pragma once

#include <mutex>

// An ordered list of owned items with access by index through a remembered
// cursor: walking neighbouring indices costs one step each, a lookup far from
// the cursor walks the distance. The list owns its items (deleted with the item
// type's destructor) unless a removal says otherwise.
//
// Cursor rules the users rely on:
//  - Add leaves the cursor on the new node (it never resets it);
//  - every removal resets the cursor to the head (index -1);
//  - GetAt of an index out of range returns null and leaves the cursor alone.
template <typename T>
class SyncList {
public:
    SyncList() {
        head = new Node{nullptr, nullptr, nullptr};
        tail = new Node{nullptr, nullptr, head};
        head->next = tail;
        ResetCursor();
    }

    ~SyncList() {
        Clear();
        delete head;
        delete tail;
    }

    SyncList(const SyncList&) = delete;
    SyncList& operator=(const SyncList&) = delete;

    // Inserts item before the one at index, or appends when index is outside
    // 0 .. Count()-1. With unique set, a pointer already held is not added again.
    bool Add(T* item, bool unique = false, int index = -1) {
        if (unique && Contains(item)) {
            return false;
        }
        Node* before = tail;
        int newIndex = count;
        if (index >= 0 && index < count) {
            MoveCursor(index);
            before = cursor;
            newIndex = index;
        }
        Node* node = new Node{item, before, before->prev};
        before->prev->next = node;
        before->prev = node;
        ++count;
        cursor = node;
        cursorIndex = newIndex;
        return true;
    }

    T* GetAt(int index) {
        if (index < 0 || index >= count) {
            return nullptr;
        }
        std::lock_guard<std::recursive_mutex> guard(lock);
        MoveCursor(index);
        return cursor->item;
    }

    // Leaves the cursor on the first node holding item when found.
    bool Contains(const T* item) {
        std::lock_guard<std::recursive_mutex> guard(lock);
        ResetCursor();
        for (int i = 0; i < count; ++i) {
            if (GetAt(i) == item) {
                return true;
            }
        }
        return false;
    }

    // Removes the item at index (a negative index: the node under the cursor).
    bool RemoveAt(int index, bool deleteItem = true) {
        std::lock_guard<std::recursive_mutex> guard(lock);
        if (index >= count) {
            return false;
        }
        if (index >= 0) {
            MoveCursor(index);
        } else if (cursor == head || cursor == tail) {
            return false;
        }
        Unlink(cursor, deleteItem);
        return true;
    }

    // Removes (and deletes) the first node holding item.
    bool Remove(T* item) { return RemoveItem(item, true); }

    // Removes the first node holding item without deleting the item.
    bool Detach(T* item) { return RemoveItem(item, false); }

    int Count() const { return count; }

    void Clear() {
        if (count == 0) {
            return;
        }
        std::lock_guard<std::recursive_mutex> guard(lock);
        Node* node = head->next;
        while (node != tail) {
            Node* next = node->next;
            delete node->item;
            delete node;
            node = next;
        }
        head->next = tail;
        tail->prev = head;
        count = 0;
        ResetCursor();
    }

    // Read access to the cursor, for tests and diagnostics.
    int CursorIndex() const { return cursorIndex; }

private:
    struct Node {
        T* item;
        Node* next;
        Node* prev;
    };

    void ResetCursor() {
        cursor = head;
        cursorIndex = -1;
    }

    // Steps node by node from the cursor to index (0 <= index < count).
    void MoveCursor(int index) {
        while (cursorIndex < index) {
            cursor = cursor->next;
            ++cursorIndex;
        }
        while (cursorIndex > index) {
            cursor = cursor->prev;
            --cursorIndex;
        }
    }

    bool RemoveItem(T* item, bool deleteItem) {
        std::lock_guard<std::recursive_mutex> guard(lock);
        if (!Contains(item)) {
            return false;
        }
        Unlink(cursor, deleteItem);
        return true;
    }

    void Unlink(Node* node, bool deleteItem) {
        node->prev->next = node->next;
        node->next->prev = node->prev;
        if (deleteItem) {
            delete node->item;
        }
        delete node;
        --count;
        ResetCursor();
    }

    Node* head;
    Node* tail;
    Node* cursor;
    int count = 0;
    int cursorIndex = -1;
    std::recursive_mutex lock;
};
