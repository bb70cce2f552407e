#include "core/Bag.hpp"
#include "core/Type.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace tarvex {
namespace {

struct Item : Object {
    explicit Item(int v = 0) : value(v) {}
    int value;
};

Ref<Item> item(int v) {
    return std::make_shared<Item>(v);
}

std::vector<int> values(const Bag<Item>& bag) {
    std::vector<int> result;
    for (const auto& element : bag) {
        result.push_back(element ? element->value : -1);
    }
    return result;
}

TEST(Bag, CapacityGrowsZeroOneTwoFourSevenEleven) {
    Bag<Item> bag;
    std::vector<int> capacities{bag.getCapacity()};
    for (int i = 0; i < 8; ++i) {
        bag.add(item(i));
        if (capacities.back() != bag.getCapacity()) {
            capacities.push_back(bag.getCapacity());
        }
    }
    EXPECT_EQ(capacities, (std::vector<int>{0, 1, 2, 4, 7, 11}));
}

TEST(Bag, GetOutOfRangeAnswersNull) {
    Bag<Item> bag;
    bag.add(item(1));
    EXPECT_EQ(bag.get(-1), nullptr);
    EXPECT_EQ(bag.get(1), nullptr);
    EXPECT_EQ(bag.get(0)->value, 1);
}

TEST(Bag, SetBeyondCapacityGrowsAndLeavesGapsNull) {
    Bag<Item> bag;
    bag.set(5, item(5));
    EXPECT_EQ(bag.getSize(), 6);
    EXPECT_EQ(bag.getCapacity(), 11);
    EXPECT_EQ(values(bag), (std::vector<int>{-1, -1, -1, -1, -1, 5}));
    EXPECT_THROW(
        {
            try {
                bag.set(-1, item(0));
            } catch (const Error& e) {
                EXPECT_STREQ(e.what(), "Cannot set element at index < 0");
                throw;
            }
        },
        Error);
}

TEST(Bag, SetWithinCapacityGrowsTheSizeOnlyAtOrPastTheEnd) {
    Bag<Item> bag;
    for (int i = 0; i < 3; ++i) {
        bag.add(item(i));
    }
    ASSERT_EQ(bag.getCapacity(), 4);
    bag.set(1, item(10)); // inside: replaces
    EXPECT_EQ(bag.getSize(), 3);
    bag.set(3, item(13)); // at the size, inside the capacity: one more element
    EXPECT_EQ(bag.getSize(), 4);
    EXPECT_EQ(bag.getCapacity(), 4);
    EXPECT_EQ(values(bag), (std::vector<int>{0, 10, 2, 13}));
    EXPECT_EQ(bag.removeLast()->value, 13);
}

TEST(Bag, RemoveMovesLastElementIntoTheGap) {
    Bag<Item> bag;
    for (int v : {1, 2, 3}) {
        bag.add(item(v));
    }
    EXPECT_EQ(bag.remove(0)->value, 1);
    EXPECT_EQ(values(bag), (std::vector<int>{3, 2}));
    EXPECT_EQ(bag.remove(7), nullptr);
    EXPECT_EQ(bag.removeLast()->value, 2);
    EXPECT_EQ(bag.getCapacity(), 4) << "bags never shrink";
}

TEST(Bag, RemoveObjectAndCollectionWorkByIdentity) {
    Bag<Item> bag;
    auto a = item(1);
    auto b = item(1);
    bag.add(a);
    bag.add(b);
    EXPECT_EQ(bag.findObject(b), 1);
    EXPECT_TRUE(bag.removeObject(b));
    EXPECT_FALSE(bag.removeObject(b));
    EXPECT_EQ(bag.get(0), a);

    Bag<Item> other;
    other.add(item(9));
    EXPECT_FALSE(bag.removeCollection(&other));
    other.add(a);
    EXPECT_TRUE(bag.removeCollection(&other));
    EXPECT_TRUE(bag.isEmpty());
}

TEST(Bag, AddArraySkipsNullsAndAddCollectionCopiesInOrder) {
    Bag<Item> bag;
    std::vector<Ref<Item>> array{item(1), nullptr, item(2)};
    bag.addArray(array);
    bag.addCollection(&bag);
    bag.addCollection(nullptr);
    EXPECT_EQ(values(bag), (std::vector<int>{1, 2, 1, 2}));
}

TEST(Bag, CocktailSortKeepsEqualElementsInOrder) {
    Bag<Item> bag;
    std::vector<Ref<Item>> items;
    // Pairs (key, tag): sort by key ascending; tags of equal keys must stay in order.
    for (int key : {3, 1, 2, 1, 3, 0, 2, 1}) {
        items.push_back(item(key));
        bag.add(items.back());
    }
    const auto byValue = [](const Ref<Item>& x, const Ref<Item>& y) {
        return x->value == y->value ? 0 : (x->value > y->value ? 1 : -1);
    };
    bag.sort(Bag<Item>::SORT_ASC, byValue);
    EXPECT_EQ(values(bag), (std::vector<int>{0, 1, 1, 1, 2, 2, 3, 3}));
    // The three 1s were added as items[1], items[3], items[7].
    EXPECT_EQ(bag.get(1), items[1]);
    EXPECT_EQ(bag.get(2), items[3]);
    EXPECT_EQ(bag.get(3), items[7]);

    bag.sort(Bag<Item>::SORT_DESC, byValue);
    EXPECT_EQ(values(bag), (std::vector<int>{3, 3, 2, 2, 1, 1, 1, 0}));
    EXPECT_EQ(bag.get(4), items[1]);
}

TEST(Bag, EnumeratorReadsTheBagLive) {
    Bag<Item> bag;
    for (int v : {1, 2, 3}) {
        bag.add(item(v));
    }
    std::vector<int> seen;
    auto walk = bag.ObjectEnumerator();
    while (walk.HasNext()) {
        const auto element = walk.NextObject();
        seen.push_back(element->value);
        if (element->value == 1) {
            bag.remove(0); // 3 moves into slot 0, which the walk has passed
            bag.add(item(4));
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 4}));
}

TEST(Bag, EveryBagAnswersTheObjectBagRecord) {
    Bag<Item> typed;
    ObjectBag untyped;
    EXPECT_EQ(&typed.getType(), &untyped.getType());
    EXPECT_EQ(untyped.getType().getName(), "ObjectBag");
}

} // namespace
} // namespace tarvex
