#include "tests/support/counting_heap.h"
#include "text/masks.h"
#include "text/pointer_list.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace relayvo {
namespace {

constexpr std::uint32_t ptr = sizeof(void*);

int pool[20];
void* item(int i) {
    return &pool[i];
}

std::vector<void*> items_of(pointer_list& list) {
    std::vector<void*> out;
    for (std::uint32_t i = 0; i < list.count(); ++i)
        out.push_back(list.get(i));
    return out;
}

void fill(pointer_list& list, int n) {
    for (int i = 0; i < n; ++i)
        list.insert(item(i), list.count());
}

// A mask over fixed flags that records every question it is asked.
class recording_mask final : public quorvel::index_mask {
public:
    explicit recording_mask(std::vector<bool> flags) : flags(std::move(flags)) {}
    bool get(std::uint32_t index) const override {
        ++get_calls;
        return flags.at(index);
    }
    std::uint32_t find(bool value, std::uint32_t start, std::uint32_t count) const override {
        finds.emplace_back(value, start, count);
        for (std::uint32_t i = start; i < start + count; ++i)
            if (flags.at(i) == value) return i;
        return start + count;
    }

    std::vector<bool> flags;
    mutable int get_calls = 0;
    mutable std::vector<std::tuple<bool, std::uint32_t, std::uint32_t>> finds;
};

using find_call = std::tuple<bool, std::uint32_t, std::uint32_t>;

TEST(pointer_list_test, insert_places_item_at_index) {
    pointer_list list;
    list.insert(item(1), 0);            // L
    list.insert(item(2), list.count()); // L M (append)
    list.insert(item(0), 0);            // K L M
    list.insert(item(3), 2);            // K L X M
    EXPECT_EQ(items_of(list), (std::vector<void*>{item(0), item(1), item(3), item(2)}));
}

TEST(pointer_list_test, remove_at_returns_item_and_closes_gap) {
    pointer_list list;
    fill(list, 3);
    EXPECT_EQ(list.remove_at(1), item(1));
    EXPECT_EQ(items_of(list), (std::vector<void*>{item(0), item(2)}));
    EXPECT_EQ(list.remove_at(1), item(2));
    EXPECT_EQ(items_of(list), (std::vector<void*>{item(0)}));
}

TEST(pointer_list_test, removing_last_item_releases_memory) {
    testing_support::counting_heap heap;
    pointer_list list;
    list.insert(item(5), 0);
    heap.reset();
    EXPECT_EQ(list.remove_at(0), item(5));
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.capacity(), 0u);
    EXPECT_EQ(heap.releases, 1u);
}

// Capacities in items: the byte capacity is this times the pointer size.
TEST(pointer_list_test, capacity_doubles_while_appending_one_at_a_time) {
    const std::uint32_t grown[] = {0, 1, 2, 4, 4, 8, 8, 8, 8, 16, 16, 16, 16, 16, 16, 16, 16, 32};
    testing_support::counting_heap heap;
    pointer_list list;
    for (std::uint32_t n = 1; n < std::size(grown); ++n) {
        std::size_t calls = heap.allocations + heap.reallocations;
        list.insert(item(0), list.count());
        bool changed = grown[n] != grown[n - 1];
        EXPECT_EQ(list.capacity(), grown[n] * ptr) << n << " items";
        EXPECT_EQ(heap.allocations + heap.reallocations, calls + changed) << n << " items";
    }
    EXPECT_EQ(heap.allocations, 1u);
    EXPECT_EQ(heap.releases, 0u);
}

TEST(pointer_list_test, capacity_halves_only_when_more_than_twice_the_need) {
    const std::uint32_t shrunk[] = {0, 2, 4, 4, 8, 8, 8, 8, 16, 16, 16, 16, 16, 16, 16, 16, 32};
    testing_support::counting_heap heap;
    pointer_list list;
    fill(list, 17);
    ASSERT_EQ(list.capacity(), 32 * ptr);
    std::uint32_t before = list.capacity();
    for (int n = 16; n >= 0; --n) {
        heap.reset();
        list.remove_at(list.count() - 1);
        EXPECT_EQ(list.capacity(), shrunk[n] * ptr) << n << " items";
        EXPECT_EQ(heap.reallocations, n > 0 && list.capacity() != before ? 1u : 0u) << n;
        EXPECT_EQ(heap.releases, n == 0 ? 1u : 0u) << n;
        before = list.capacity();
    }
}

// The expected questions are about the positions the items had before filtering.
TEST(pointer_list_test, filter_asks_only_find_about_original_positions) {
    struct row {
        std::vector<bool> flags;
        std::vector<find_call> finds;
        std::vector<int> kept;
    };
    const row rows[] = {
        {{true, false, true, false, true},
         {{false, 0, 5}, {true, 2, 3}, {true, 3, 2}, {true, 5, 0}},
         {0, 2, 4}},
        {{true, true, false, true}, {{false, 0, 4}, {true, 3, 1}, {true, 4, 0}}, {0, 1, 3}},
        {{false, false, false}, {{false, 0, 3}, {true, 1, 2}}, {}},
        {{false, true, true}, {{false, 0, 3}, {true, 1, 2}, {true, 2, 1}, {true, 3, 0}}, {1, 2}},
        {{true, true}, {{false, 0, 2}}, {0, 1}},
        {{}, {{false, 0, 0}}, {}},
    };
    for (const row& r : rows) {
        pointer_list list;
        fill(list, static_cast<int>(r.flags.size()));
        recording_mask mask(r.flags);
        list.filter(mask);
        std::vector<void*> kept;
        for (int i : r.kept)
            kept.push_back(item(i));
        EXPECT_EQ(mask.finds, r.finds) << r.flags.size() << " flags";
        EXPECT_EQ(mask.get_calls, 0);
        EXPECT_EQ(items_of(list), kept);
    }
}

TEST(pointer_list_test, filter_with_mask_all_touches_nothing) {
    testing_support::counting_heap heap;
    pointer_list list;
    fill(list, 6);
    heap.reset();
    list.filter(mask_all());
    EXPECT_EQ(list.count(), 6u);
    EXPECT_EQ(heap.total(), 0u);
}

TEST(pointer_list_test, remove_all_empties_and_releases) {
    testing_support::counting_heap heap;
    pointer_list list;
    fill(list, 3);
    heap.reset();
    remove_all(list);
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.capacity(), 0u);
    EXPECT_EQ(heap.releases, 1u);

    heap.reset();
    remove_all(list);
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(heap.total(), 0u);
    list.insert(item(1), 0); // still usable
    EXPECT_EQ(items_of(list), std::vector<void*>{item(1)});
}

// Indices that come from other components' code are checked: one out of
// range reads as null and changes nothing, on an empty list and a full one.
TEST(pointer_list_test, out_of_range_indices_read_null_and_change_nothing) {
    for (int n : {0, 1, 3}) {
        SCOPED_TRACE(n);
        pointer_list list;
        fill(list, n);
        const std::vector<void*> before = items_of(list);
        const std::uint32_t capacity = list.capacity();
        const auto count = static_cast<std::uint32_t>(n);
        for (std::uint32_t index : {count, count + 1, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
            SCOPED_TRACE(index);
            testing_support::counting_heap heap;
            EXPECT_EQ(list.get(index), nullptr);
            EXPECT_EQ(list.remove_at(index), nullptr);
            list.set(index, item(9));
            if (index != count) list.insert(item(9), index); // count itself appends
            EXPECT_EQ(items_of(list), before);
            EXPECT_EQ(list.capacity(), capacity);
            EXPECT_EQ(heap.total(), 0u);
        }
    }
}

TEST(pointer_list_test, in_range_set_replaces_and_insert_at_count_appends) {
    pointer_list list;
    fill(list, 2);
    list.set(1, item(7));
    list.insert(item(8), 2);
    EXPECT_EQ(items_of(list), (std::vector<void*>{item(0), item(7), item(8)}));
    EXPECT_EQ(list.remove_at(2), item(8));
    EXPECT_EQ(items_of(list), (std::vector<void*>{item(0), item(7)}));
}

TEST(masks_test, mask_all_and_mask_not_answers) {
    mask_all all;
    mask_not none(all);
    mask_not twice(static_cast<const quorvel::index_mask&>(none)); // not the copy constructor
    struct row {
        const char* name;
        const quorvel::index_mask& mask;
        bool flag;
        std::uint32_t find_true, find_false;
    };
    const row rows[] = {
        {"all", all, true, 5, 8},
        {"not all", none, false, 8, 5},
        {"not not all", twice, true, 5, 8},
    };
    for (const row& r : rows) {
        for (std::uint32_t i : {0u, 1u, 1000u, 0xFFFFFFFFu})
            EXPECT_EQ(r.mask.get(i), r.flag) << r.name;
        EXPECT_EQ(r.mask.find(true, 5, 3), r.find_true) << r.name;
        EXPECT_EQ(r.mask.find(false, 5, 3), r.find_false) << r.name;
        EXPECT_EQ(r.mask.find(true, 9, 0), 9u) << r.name;
        EXPECT_EQ(r.mask.find(false, 9, 0), 9u) << r.name;
    }
}

TEST(masks_test, mask_not_inverts_inner_and_passes_range_unchanged) {
    recording_mask inner({true, false, false, true, true});
    mask_not inverted(inner);
    EXPECT_EQ(inverted.inner, &inner);
    EXPECT_FALSE(inverted.get(0));
    EXPECT_TRUE(inverted.get(1));
    EXPECT_EQ(inverted.find(true, 1, 4), 1u);  // inner's first false from 1
    EXPECT_EQ(inverted.find(false, 1, 4), 3u); // inner's first true from 1
    EXPECT_EQ(inner.finds, (std::vector<find_call>{{false, 1, 4}, {true, 1, 4}}));
}

} // namespace
} // namespace relayvo
