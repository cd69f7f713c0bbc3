#include "text/NameIndex.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

// Items are numbers; item i's key is i and its hash hashes[i].
static int sameItem(const void*, int item, const void* key) { return item == *(const int*)key; }

static size_t slotOf(const NameIndex* index, const std::vector<uint32_t>& hashes, int item)
{
    return findNameSlot(index, hashes[item], sameItem, NULL, &item);
}

// The index grows in its own storage, items taken out and entered again: after every growth each item
// is still found. Hashes drawn from a few values make long clusters, some wrapping round the index's
// end, where an unsound order of re-entering loses items.
TEST(NameIndex, EveryItemFoundAfterGrowingInPlace)
{
    struct Case { const char* what; uint32_t spread; uint32_t base; };
    const Case cases[] = {
        { "hashes of the whole range", 0, 0 },
        { "clusters wrapping round the top", 7, 0xfffffffa },
        { "one home for all", 1, 0x3ff },
        { "homes in the upper halves", 64, 0x80000000u - 32 },
    };
    for (const Case& c : cases) {
        std::mt19937 random(12345);
        NameIndex index = { NULL, 0 };
        std::vector<uint32_t> hashes;
        ASSERT_EQ(fitNameIndex(&index, 4), 1);
        for (int item = 0; item < 3000; item++) {
            ASSERT_TRUE((size_t)item * 2 < index.size || fitNameIndex(&index, index.size * 2)) << "kept half full";
            hashes.push_back(c.spread ? c.base + random() % c.spread : (uint32_t)random());
            size_t slot = slotOf(&index, hashes, item);
            ASSERT_EQ(nameSlotItem(&index, slot), -1) << c.what;
            enterName(&index, slot, hashes[item], item);
            if (item % 97 != 0 && item != 2999) continue;
            for (int k = 0; k <= item; k++)
                ASSERT_EQ(nameSlotItem(&index, slotOf(&index, hashes, k)), k) << c.what << ", item " << k;
        }
        ASSERT_EQ(fitNameIndex(&index, index.size * 8), 1) << "three doublings at once";
        for (int k = 0; k < 3000; k++) ASSERT_EQ(nameSlotItem(&index, slotOf(&index, hashes, k)), k) << c.what;
        releaseNameIndex(&index);
    }
}
