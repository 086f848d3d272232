// A list of object pointers that may own its items. An owning list destroys an item when it is
// deleted from the list and when the list is cleared or destroyed; a non-owning list only lets
// go of it. Ownership is fixed at construction.
#pragma once

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

namespace orvel {

template <class T>
class TVkrObjectList {
public:
    explicit TVkrObjectList(bool ownsObjects = true) : FOwnsObjects(ownsObjects) {}
    ~TVkrObjectList() { Clear(); }

    TVkrObjectList(const TVkrObjectList&) = delete;
    TVkrObjectList& operator=(const TVkrObjectList&) = delete;

    bool OwnsObjects() const { return FOwnsObjects; }
    int Count() const { return static_cast<int>(FItems.size()); }

    T* Items(int index) const { return FItems.at(static_cast<size_t>(index)).get(); }
    T* operator[](int index) const { return Items(index); }

    // Appends the item and returns its index.
    int Add(T* item) {
        // The pointer is wrapped only inside storage that already exists, so a failed
        // allocation never destroys an item the list does not own.
        FItems.emplace_back(item);
        return Count() - 1;
    }
    // For an owning list: hands the item over.
    int Add(std::unique_ptr<T> item) {
        FItems.push_back(std::move(item));
        return Count() - 1;
    }

    // Inserts the item before position index (0..Count).
    void Insert(int index, T* item) {
        FItems.emplace(FItems.begin() + CheckedIndex(index, Count() + 1), item);
    }

    // Removes the item at index, destroying it after removal when the list owns it. An index
    // outside 0..Count-1 is ignored.
    void Delete(int index) {
        if (index < 0 || index >= Count())
            return;
        std::unique_ptr<T> item = std::move(FItems[static_cast<size_t>(index)]);
        FItems.erase(FItems.begin() + index);
        if (!FOwnsObjects)
            item.release();
    }

    // Deletes every item, the last first.
    void Clear() {
        for (int i = Count() - 1; i >= 0; --i)
            Delete(i);
    }

    // The index of item, or -1.
    int IndexOf(const T* item) const {
        for (size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i].get() == item)
                return static_cast<int>(i);
        return -1;
    }

    // Removes item from the list without destroying it and returns it (null when absent).
    T* Extract(const T* item) {
        const int index = IndexOf(item);
        if (index < 0)
            return nullptr;
        T* found = FItems[static_cast<size_t>(index)].release();
        FItems.erase(FItems.begin() + index);
        return found;
    }

    // Moves the item at curIndex to newIndex, shifting the items in between.
    void Move(int curIndex, int newIndex) {
        const auto from = FItems.begin() + CheckedIndex(curIndex, Count());
        const auto to = FItems.begin() + CheckedIndex(newIndex, Count());
        if (from < to)
            std::rotate(from, from + 1, to + 1);
        else if (to < from)
            std::rotate(to, from, from + 1);
    }

    // Sorts stably: less(const T*, const T*) tells whether the first item goes before the second.
    // The items are sorted as plain pointers, so a comparison that throws leaves the list as
    // it was and destroys nothing.
    template <class Less>
    void Sort(Less less) {
        std::vector<T*> order;
        order.reserve(FItems.size());
        for (const auto& item : FItems)
            order.push_back(item.get());
        std::stable_sort(order.begin(), order.end(),
                         [&](const T* a, const T* b) { return less(a, b); });
        for (size_t i = 0; i < order.size(); ++i) {
            FItems[i].release();
            FItems[i].reset(order[i]);
        }
    }

private:
    static int CheckedIndex(int index, int limit) {
        if (index < 0 || index >= limit)
            throw std::out_of_range("TVkrObjectList index out of bounds");
        return index;
    }

    std::vector<std::unique_ptr<T>> FItems;
    const bool FOwnsObjects;
};

} // namespace orvel
