#include "core/base/VkrObjectList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvel {
namespace {

// Records its destruction, and how many items the list still held at that moment.
struct TTracked {
    TTracked(int key, std::vector<std::string>* log, const TVkrObjectList<TTracked>* list = nullptr)
        : Key(key), Log(log), List(list) {}
    ~TTracked() {
        // Appended piece by piece: GCC 12 takes "/" + std::string for an overlapping copy.
        std::string entry = std::to_string(Key);
        if (List)
            entry.append("/").append(std::to_string(List->Count()));
        Log->push_back(entry);
    }
    int Key;
    std::vector<std::string>* Log;
    const TVkrObjectList<TTracked>* List;
};

TEST(VkrObjectList, OwningListDestroysAfterRemovalLastFirst) {
    std::vector<std::string> log;
    {
        TVkrObjectList<TTracked> list(true);
        for (int key = 0; key < 4; ++key)
            EXPECT_EQ(list.Add(new TTracked(key, &log, &list)), key);
        list.Delete(-1);
        list.Delete(list.Count());
        EXPECT_EQ(list.Count(), 4);
        EXPECT_TRUE(log.empty());

        list.Delete(1);
        EXPECT_EQ(log, std::vector<std::string>{"1/3"});
        list.Clear();
        EXPECT_EQ(list.Count(), 0);
        list.Add(std::make_unique<TTracked>(9, &log));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"1/3", "3/2", "2/1", "0/0", "9"}));
}

TEST(VkrObjectList, NonOwningListDestroysNothing) {
    std::vector<std::string> log;
    TTracked a(1, &log), b(2, &log), c(3, &log);
    {
        TVkrObjectList<TTracked> list(false);
        list.Add(&a);
        list.Add(&b);
        list.Insert(0, &c);
        EXPECT_EQ(list[0], &c);
        list.Delete(0);
        EXPECT_EQ(list.IndexOf(&c), -1);
        list.Clear();
        list.Add(&a);
    }
    EXPECT_TRUE(log.empty());
}

TEST(VkrObjectList, ExtractMoveAndStableSort) {
    std::vector<std::string> log;
    TVkrObjectList<TTracked> list;
    for (int key : {3, 1, 2, 1, 3})
        list.Add(new TTracked(key, &log));
    const std::vector<TTracked*> before = {list[0], list[1], list[2], list[3], list[4]};

    list.Sort([](const TTracked* x, const TTracked* y) { return x->Key < y->Key; });
    EXPECT_EQ((std::vector<TTracked*>{list[0], list[1], list[2], list[3], list[4]}),
              (std::vector<TTracked*>{before[1], before[3], before[2], before[0], before[4]}));

    list.Move(0, 4);
    EXPECT_EQ(list[4], before[1]);
    list.Move(4, 1);
    EXPECT_EQ(list[1], before[1]);
    EXPECT_EQ(list[0], before[3]);

    std::unique_ptr<TTracked> taken(list.Extract(before[2]));
    EXPECT_EQ(taken.get(), before[2]);
    EXPECT_EQ(list.Extract(before[2]), nullptr);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(log.empty());
    EXPECT_THROW(list.Items(4), std::out_of_range);
}

} // namespace
} // namespace orvel
